#include "cabinetscreen.h"

#include "core/systemmaintenance.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <memory>

namespace {

// A frame that does not come (a window nobody shows) must not hold the
// picture back for ever.
constexpr int kFrameWaitMs = 1000;

} // namespace

QQuickWindow *CabinetScreen::window()
{
    for (QWindow *w : QGuiApplication::topLevelWindows())
        if (w->objectName() == QLatin1String("kivDisplay"))
            return qobject_cast<QQuickWindow *>(w);
    return nullptr;
}

QQuickItem *CabinetScreen::panel(QQuickWindow *window)
{
    return window ? window->findChild<QQuickItem *>(QStringLiteral("mainPanel")) : nullptr;
}

bool CabinetScreen::show(const QString &name, QString &error)
{
    QQuickItem *mainPanel = panel(window());
    if (!mainPanel) {
        error = QStringLiteral("the cabinet's window is not there");
        return false;
    }
    // The main window's hosts carry the screen's name and create the
    // screen when they are shown.
    const QList<QQuickItem *> children = mainPanel->childItems();
    for (QQuickItem *host : children) {
        if (host->property("name").toString() == name && host->property("screen").isValid()) {
            host->setVisible(true);
            return true;
        }
    }
    // Echoed only as printable text, so the answer stays one readable line.
    QString shown = name.left(40);
    for (QChar &c : shown)
        if (!c.isPrint())
            c = QLatin1Char('?');
    error = QStringLiteral("no screen named \"%1\"").arg(shown);
    return false;
}

QTransform CabinetScreen::panelToWindow(const QQuickItem &panel)
{
    // The panel's transform is affine: three corners fix it.
    const QPointF origin = panel.mapToScene(QPointF(0, 0));
    const QPointF xEnd = panel.mapToScene(QPointF(panel.width(), 0));
    const QPointF yEnd = panel.mapToScene(QPointF(0, panel.height()));
    const QPointF ex = (xEnd - origin) / qMax<qreal>(panel.width(), 1);
    const QPointF ey = (yEnd - origin) / qMax<qreal>(panel.height(), 1);
    return QTransform(ex.x(), ex.y(), ey.x(), ey.y(), origin.x(), origin.y());
}

QImage CabinetScreen::upright(const QImage &windowImage, const QTransform &panelToWindow, const QSize &panelSize)
{
    QImage out(panelSize, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Window pixels drawn through the inverse land at their panel position;
    // a picture taken at a device pixel ratio above 1 is first brought back
    // to window coordinates.
    const qreal ratio = windowImage.devicePixelRatio() > 0 ? windowImage.devicePixelRatio() : 1;
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio) * panelToWindow.inverted());
    painter.drawImage(QPointF(0, 0), windowImage);
    return out;
}

void CabinetScreen::grab(const std::function<void(const QImage &)> &done)
{
    QQuickWindow *w = window();
    QQuickItem *p = panel(w);
    if (!w || !p) {
        done(QImage());
        return;
    }
    // The frame or the time-out, whichever comes first, takes the picture;
    // the context object ends both connections.
    auto *waiting = new QObject(w);
    auto taken = std::make_shared<bool>(false);
    auto finishOnce = [w, p, waiting, taken, done]() {
        if (*taken)
            return;
        *taken = true;
        waiting->deleteLater();
        const QImage image = SystemMaintenance::grabWindow(w);
        done(image.isNull() ? QImage()
                            : upright(image, panelToWindow(*p), QSize(qRound(p->width()), qRound(p->height()))));
    };
    QObject::connect(w, &QQuickWindow::frameSwapped, waiting, finishOnce);
    QTimer::singleShot(kFrameWaitMs, waiting, finishOnce);
    w->update();
}

bool CabinetScreen::tap(const QPointF &panelPoint, QString &error)
{
    QQuickWindow *w = window();
    QQuickItem *p = panel(w);
    if (!w || !p) {
        error = QStringLiteral("the cabinet's window is not there");
        return false;
    }
    if (panelPoint.x() < 0 || panelPoint.y() < 0 || panelPoint.x() >= p->width() || panelPoint.y() >= p->height()) {
        error = QStringLiteral("%1 %2 is off the %3x%4 screen")
                    .arg(panelPoint.x())
                    .arg(panelPoint.y())
                    .arg(p->width())
                    .arg(p->height());
        return false;
    }
    const QPointF at = panelToWindow(*p).map(panelPoint);
    const QPointF global = w->mapToGlobal(at.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QGuiApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QGuiApplication::sendEvent(w, &release);
    return true;
}
