#pragma once
// Tick boxes that behave as a choice of one. Ticking a box of an M/1 group sets every other field
// of its group to False, null included; the II_B_I pair of the Anexo B pages sets the other field
// to False only when it is True (null stays null). Unticking never changes the others.

#include <QString>
#include <QStringList>
#include <vector>

namespace qx {
class ClientDataSet;
}

struct TickGroup {
    const char* handler;  // the group's click handler, "DBCheckBox1Click"
    int page;             // the M/1 page its boxes lie on
    QStringList fields;   // in the order handled
};

// The eight groups of M/1.
const std::vector<TickGroup>& M1TickGroups();
// The group of a field of `page`, or nullptr for an independent tick box.
const TickGroup* M1TickGroupOf(int page, const QString& field);

// The fields of the Anexo B pair.
const QStringList& IIBIPairFields();

// After `clicked` (a field of `fields`) was toggled: when it is now ticked and the dataset is in
// edit state, every other field is set to False (all of them, or with onlyTrue only those that
// are True). Field names compare case-sensitively, as the boxes name them.
void ApplyTickGroup(qx::ClientDataSet& dataSet, const QStringList& fields, const QString& clicked, bool onlyTrue);
