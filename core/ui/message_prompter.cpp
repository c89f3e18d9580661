#include "core/ui/message_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace scx {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box in the application's name with the given buttons captioned in Korean; returns the button
// pressed (Esc and the close box count as the escape button).
QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), ToQString(text), buttons, parent);
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, kCaptionOk},
        {QMessageBox::Yes, kCaptionYes},
        {QMessageBox::No, kCaptionNo},
        {QMessageBox::Cancel, kCaptionCancel}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(caption));
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : escape;
}

}  // namespace

void CMessagePrompter::ShowMessage(std::string_view text) {
    Run(parent_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool CMessagePrompter::AskYesNo(std::string_view text) {
    return Run(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

Prompter::Answer CMessagePrompter::AskYesNoCancel(std::string_view text) {
    switch (Run(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

}  // namespace scx
