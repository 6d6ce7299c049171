#pragma once
// Hooks through which tests stop a save or make its system calls fail as a crash, a damaged disk
// or a limited file system would. They act only when the process's environment asks for them:
//
//   QUENDRIX_TEST_KILL_AFTER_RENAMES=K  the process ends at once (SIGKILL), with no chance to tidy
//       up, after K renames of the burst that puts a save's files in place; -1: with every
//       temporary written, before the journal that records their bytes; K at least the renames of
//       the save: after the last one, before the old bytes are discarded; "discarded": after they
//       are (or, in a save that failed and put its files back, the new bytes), before the journal
//       is removed.
//   QUENDRIX_TEST_KILL_AFTER_STEPS=N  the same after N steps of a save before its burst: each
//       creation, write, flush and rename of a temporary or of the journal, and each flush of the
//       folder; 0: before the first.
//   QUENDRIX_TEST_FAULTS=WORD,...  system calls that fail:
//       no-exchange            the file system cannot exchange two entries (EINVAL)
//       rename-fails=K         the rename tried after K renames of the process's bursts (EIO), so
//                              that a later save of the same process succeeds
//       putback-fails          putting a file back after a failed rename (EIO)
//       putback-fails=K        only the put-back tried after K others of the process (EIO)
//       journal-removal-fails  removing the journal once its save is over (EIO)
//       discard-fails          removing the old bytes after the burst (EIO)
//       journal-read-fails     reading the journal at the open (EIO)
//       flush-after-renames-fails  the first flush of the folder after a burst of renames (EIO)

namespace qx::SaveTestHooks {

// A save begins: its steps are counted from here until its burst.
void startSave();
// Before a step of a save (see QUENDRIX_TEST_KILL_AFTER_STEPS).
void step();

// The burst of renames begins (renames are counted from here) and ends.
void startBurst();
void endBurst();

// Before a rename of the burst: the error it is to fail with, 0 when it is to be tried.
int renameFault();
// After a rename of the burst has been done.
void renamed();
// Whether the file system is to be taken for one that cannot exchange two entries.
bool noExchange();
// The error with which putting a file back fails, 0 when it is to be tried.
int putBackFault();
// The error with which removing the journal after its save fails, 0 when it is to be tried.
int journalRemovalFault();
// The error with which removing the old bytes after the burst fails, 0 when it is to be tried.
int discardFault();
// The error with which reading the journal fails, 0 when it is to be read.
int journalReadFault();
// The error with which a flush of the folder of a save fails, 0 when it is to be tried.
int folderFlushFault();

// The moments of a save named above.
void beforeJournal();
void afterLastRename();
void afterDiscard();

}  // namespace qx::SaveTestHooks
