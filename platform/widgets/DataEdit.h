#pragma once
// A data-aware line edit.
//   Shows the field's display text while unfocused and its edit text while focused. The first
//   key that changes the text puts the dataset into edit (automatic edit only; otherwise the key
//   does nothing). The text is written into the field on leaving and before every post; a text
//   the field refuses is reported and the edit keeps the focus and the text as typed. Esc gives
//   back the field's value. A click that gives the edit the focus selects its whole text, as
//   entering it by the keys or by the program (Qt::OtherFocusReason: an alert's click) does, so
//   that typing replaces the value; so does any click on a number's lone zero (a caret before it
//   would make a typed 7 a 70). Other clicks place the caret. The maximum length comes from a
//   text field (a key beyond it raises QLineEdit::inputRejected); calculated and read-only
//   fields make the edit read-only. Unfocused, a number or a date too wide for the box shows as
//   '#' marks (never cut), and a long text shows its beginning.
//   Colours follow SetEnterColors/SetExitColors (DataControl).
//   commit(): writes pending text now; false when refused.

#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataControl.h"

#include <QLineEdit>

class DataEdit : public QLineEdit, public DataAware, public DataControl {
    Q_OBJECT
public:
    explicit DataEdit(QWidget* parent = nullptr);

    // The control's own read-only flag (a field that cannot be written adds to it).
    void setReadOnlyFlag(bool on);
    // Gives back the field's value, dropping the pending input.
    void reset();
    // Shows the edit text all selected, so that typing replaces the value (a grid's cell editor).
    void selectEditText();

    void refresh() override;

    ControlKind controlKind() const override { return ControlKind::DataEdit; }
    bool isReadOnly() const override { return QLineEdit::isReadOnly(); }
    const qx::Field* field() const override { return boundField(); }

signals:
    // The text was written (or nothing was pending) on leaving the edit.
    void exited();

protected:
    QString inputText() const override { return text(); }
    void inputWritten() override { showFieldText(); }
    void inputRefused() override { selectAll(); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFieldText();
    QString unfocusedText(const qx::Field& field) const;
    bool showsLoneZero() const;
    void measureDisplayTextAgain();
    bool readOnlyFlag_ = false;
    bool showsDisplayText_ = false; // the unfocused display text is shown (a new width may change it)
    bool focusedByPress_ = false;   // the focus came with a mouse press not yet delivered
    bool pressSelectedAll_ = false; // that press selected the text; its drag and release are its own
};

// True for a key press that would change a text control's text.
bool ChangesText(const QKeyEvent* event);
