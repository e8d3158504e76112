#include "widgets/PlainText.h"

#include "AppInfo.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>

namespace sv {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void setPlainToolTip(QWidget* widget, const QString& text) {
    if (!Qt::mightBeRichText(text)) {
        widget->setToolTip(text);
        return;
    }
    widget->setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
}

QString toolTipText(const QString& toolTip) {
    if (!Qt::mightBeRichText(toolTip)) {
        return toolTip;
    }
    QTextDocument shown;
    shown.setHtml(toolTip);
    return shown.toPlainText();
}

QMessageBox* newMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent) {
    auto* box =
        new QMessageBox(icon, QString::fromLatin1(kAppTitle), QString(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    return box;
}

void openMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox* box = newMessageBox(icon, text, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

int execDialog(QDialog* dialog) {
    const QPointer<QDialog> guard = dialog;
    const int result = dialog->exec();
    return guard ? result : int(QDialog::Rejected);
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    const QPointer<QMessageBox> box = newMessageBox(icon, text, parent);
    execDialog(box);
    delete box;
}

} // namespace sv
