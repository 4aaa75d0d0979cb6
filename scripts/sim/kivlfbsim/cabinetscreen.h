#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <functional>

class QQuickItem;
class QQuickWindow;

// The cabinet's touch screen as the person in front of it sees it. The main
// window turns and scales its panel (a portrait display draws its upright
// 480 x 800 layout turned into the 800 x 480 framebuffer), so pictures are
// turned back upright and touches are given in the upright picture's
// coordinates: what a person points at on a picture is where the tap lands.
class CabinetScreen
{
public:
    // The main window and its panel; null until the interface is loaded.
    static QQuickWindow *window();
    static QQuickItem *panel(QQuickWindow *window);

    // How panel coordinates map onto the window, whatever the panel's
    // rotation and scaling.
    static QTransform panelToWindow(const QQuickItem &panel);
    // The part of a window picture that shows the panel, upright and at the
    // panel's own size.
    static QImage upright(const QImage &windowImage, const QTransform &panelToWindow, const QSize &panelSize);

    // Renders the next frame and hands the upright picture over (a null
    // image when there is no window). The frame is waited for, so the
    // picture shows what the cabinet shows now, not the last frame drawn.
    static void grab(const std::function<void(const QImage &)> &done);
    // A tap at an upright panel position; false, with the reason, when
    // there is no window or the point lies off the panel.
    static bool tap(const QPointF &panelPoint, QString &error);
    // Shows the hosted screen, dialog or keyboard of the main window that
    // goes by `name` (its identifier, "alphakb"); false, with the reason,
    // when there is no window or no such screen.
    static bool show(const QString &name, QString &error);
};
