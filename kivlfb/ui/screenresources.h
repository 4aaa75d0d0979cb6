#pragma once

// The screens, their images and widgets are compiled into the controller's
// static library, whose resources must be registered by hand before the
// QML engine reads them. The controller and the QML tests both call this.
class ScreenResources
{
public:
    static void registerAll();
};
