#include "ui/theme.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace trovanta::ui {

bool isDark(const QPalette &p) { return p.color(QPalette::Window).lightness() < 128; }

QPalette lightPalette()
{
    QPalette p(QColor(240, 240, 240));
    p.setColor(QPalette::Window, QColor(240, 240, 240));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(r, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

namespace {

constexpr const char *RoleProperty = "trovantaThemeRole";
constexpr const char *TextProperty = "trovantaOwnText";
constexpr const char *FillProperty = "trovantaOwnFill";

// The widget's palette for its role under the application's palette now.
void apply(QWidget *w, ThemeRole role)
{
    QPalette app = QApplication::palette(w);
    switch (role) {
    case ThemeRole::KeepLight: {
        const QVariant own = w->property(TextProperty);
        QPalette p = isDark(app) ? lightPalette() : app;
        if (own.isValid())
            p.setColor(QPalette::WindowText, own.value<QColor>());
        w->setPalette(p);
        w->setAutoFillBackground(isDark(app) || w->property(FillProperty).toBool());
        return;
    }
    case ThemeRole::Note:
        app.setColor(QPalette::WindowText, noteColour(app));
        break;
    case ThemeRole::Link:
        app.setColor(QPalette::WindowText, linkColour(app));
        break;
    case ThemeRole::Warning:
        app.setColor(QPalette::ButtonText, warningColour(app));
        app.setColor(QPalette::WindowText, warningColour(app));
        break;
    }
    w->setPalette(app);
}

// Hears the application's palette and the desktop's theme change and gives
// every following widget its colours again.
class ThemeWatcher : public QObject {
public:
    explicit ThemeWatcher(QObject *app) : QObject(app) { app->installEventFilter(this); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == qApp && (e->type() == QEvent::ApplicationPaletteChange || e->type() == QEvent::ThemeChange))
            for (QWidget *w : QApplication::allWidgets()) {
                const QVariant role = w->property(RoleProperty);
                if (role.isValid())
                    apply(w, static_cast<ThemeRole>(role.toInt()));
            }
        return false;
    }
};

} // namespace

void followTheme(QWidget *w, ThemeRole role)
{
    // One watcher, owned by the application so that it goes with it.
    static QPointer<ThemeWatcher> watcher;
    if (!watcher && qApp)
        watcher = new ThemeWatcher(qApp);
    if (role == ThemeRole::KeepLight && !w->property(RoleProperty).isValid()) {
        // A text colour set for the widget (a gear's colour) stays.
        const QColor text = w->palette().color(QPalette::WindowText);
        if (text != QApplication::palette(w).color(QPalette::WindowText))
            w->setProperty(TextProperty, text);
        w->setProperty(FillProperty, w->autoFillBackground());
    }
    w->setProperty(RoleProperty, static_cast<int>(role));
    apply(w, role);
}

void keepLight(QWidget *w) { followTheme(w, ThemeRole::KeepLight); }

QColor noteColour(const QPalette &p) { return isDark(p) ? QColor(255, 120, 110) : QColor(176, 0, 0); }
QColor linkColour(const QPalette &p) { return isDark(p) ? QColor(120, 175, 255) : QColor(Qt::blue); }
QColor warningColour(const QPalette &p) { return isDark(p) ? QColor(255, 110, 100) : QColor(Qt::red); }

} // namespace trovanta::ui
