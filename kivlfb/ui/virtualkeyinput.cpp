#include "virtualkeyinput.h"

VirtualKeyInput::VirtualKeyInput(QObject *parent)
    : QObject(parent)
{
}

void VirtualKeyInput::generateKeyInput(QString) {}
void VirtualKeyInput::generateKeyInput(QString, int) {}
void VirtualKeyInput::loadKeyboardPlugin() {}
void VirtualKeyInput::unloadKbPlugin() {}
QString VirtualKeyInput::getPinyinChar(QString) { return QString(); }
QString VirtualKeyInput::getHangulChar(QString) { return QString(); }
