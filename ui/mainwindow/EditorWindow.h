#pragma once
// What the main window needs of an editor: show it modally and, once it has closed, the page
// code of the form it asked for (0 when none); when the folder closes, what it decoded for show.

class EditorWindow {
public:
    virtual ~EditorWindow() = default;
    // Returns when the editor has closed.
    virtual void ShowEditorModal() = 0;
    virtual int NextFormCode() const = 0;
    // Lets go of what it decoded to show (its page pictures); made again at the next show.
    virtual void ReleaseShownPictures() {}
};
