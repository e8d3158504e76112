#pragma once
// Showing text that is not the program's own (a file name, a format's name, a drop, the
// clipboard) and running modal dialogs safely.
//
// Qt reads a label's, a message box's and a tool tip's text as HTML when it looks like HTML,
// and an <img src="PATH"> in it makes Qt open PATH on the user-interface thread: a named pipe
// freezes the program, /dev/zero fills the memory. Every such text goes through these.

#include <QMessageBox>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace sv {

// A label that shows its text exactly as it is, never as HTML.
QLabel* plainLabel(const QString& text, QWidget* parent);

// A tool tip that shows text exactly, blanks included. Qt has no plain-text tool tip: a text
// that could be taken for HTML is given as HTML that shows it literally.
void setPlainToolTip(QWidget* widget, const QString& text);
// The text a tool tip shows, as a screen reader should read it.
QString toolTipText(const QString& toolTip);

// A message box with the program's title, OK only and the text as plain text.
QMessageBox* newMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent);

// Runs a dialog made on the heap modally and returns its result. A screen reader can close
// the window behind a modal dialog, and then the dialog is destroyed with it while it runs:
// that ends the dialog as rejected instead of destroying it a second time. The caller deletes
// the dialog when it is still there (keep a QPointer to it).
int execDialog(QDialog* dialog);

// A message box as newMessageBox makes it, modal to its window only and gone once answered: the
// rest of the program keeps working behind it.
void openMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// A modal message box as newMessageBox makes it, shown until it is answered.
void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);

} // namespace sv
