#include "hub/shell/ui/look_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "core/text_util.h"
#include "platform/registry/user_registry.h"

namespace scx {
namespace {

struct LookColours {
    const char* window;
    const char* button;
    const char* highlight;
    bool darkFrame;
};

QPalette PaletteFor(const LookColours& c) {
    QPalette p = QApplication::style()->standardPalette();
    p.setColor(QPalette::Window, QColor(c.window));
    p.setColor(QPalette::Button, QColor(c.button));
    p.setColor(QPalette::Highlight, QColor(c.highlight));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    const QColor frameText = c.darkFrame ? QColor(Qt::white) : QColor(Qt::black);
    p.setColor(QPalette::WindowText, frameText);
    p.setColor(QPalette::ButtonText, frameText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c.darkFrame ? QColor("#a0a4a8") : QColor("#808080"));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, c.darkFrame ? QColor("#a0a4a8") : QColor("#808080"));
    return p;
}

LookColours ColoursFor(int id) {
    switch (id) {
        case 205: return {"#d4d0c8", "#d4d0c8", "#0a246a", false};  // Windows 2000
        case 206: return {"#f0eee8", "#e8e6e0", "#316ac5", false};  // Office XP
        case 207: return {"#ece9d8", "#ece9d8", "#316ac5", false};  // Windows XP
        case 208: return {"#c3daf9", "#d7e6fb", "#316ac5", false};  // Office 2003
        case 209: return {"#e4e2d5", "#e4e2d5", "#316ac5", false};  // Visual Studio 2005
        case 210: return {"#cfd6e5", "#dbe1ed", "#3399ff", false};  // Visual Studio 2008
        case 215: return {"#bfdbff", "#d5e6fb", "#3d6fb3", false};  // Office 2007 blue
        case 217: return {"#d8dce3", "#e3e6eb", "#6f7d94", false};  // Office 2007 silver
        case 218: return {"#c9e0e7", "#d8e9ee", "#3c8aa3", false};  // Office 2007 aqua
        default: return {"#53585f", "#6a7078", "#3d6fb3", true};    // Office 2007 black
    }
}

}  // namespace

const std::vector<LookEntry>& LookEntries() {
    static const std::vector<LookEntry> entries = {
        {205, "Windows 2000"},        {206, "Office XP"},          {207, "Windows XP"},
        {208, "Office 2003"},         {209, "Visual Studio 2005"}, {210, "Visual Studio 2008"},
        {215, "Office 2007 (파랑)"},  {216, "Office 2007 (검정)"}, {217, "Office 2007 (은색)"},
        {218, "Office 2007 (청록)"},
    };
    return entries;
}

void ApplyLook(int id) {
    QApplication::setStyle(QStyleFactory::create(id == 205 ? "Windows" : "Fusion"));
    QApplication::setPalette(PaletteFor(ColoursFor(id)));
}

int ReadApplicationLook(int fallback) {
    std::string text;
    if (!RegReadString(kHubSettingsKey, "ApplicationLook", text)) return fallback;
    long long id = ParseDigits(text);
    return id >= 205 && id <= 219 ? static_cast<int>(id) : fallback;
}

void WriteApplicationLook(int id) {
    RegCreateKey(kHubSettingsKey);
    RegWriteString(kHubSettingsKey, "ApplicationLook", std::to_string(id), 1);
}

}  // namespace scx
