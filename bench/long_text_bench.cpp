// A very long text in a field of the comparison: what a keystroke costs
// while a B field holds thousands of digits (the window repainted), how wide
// the window is afterwards, and how long the window takes to open when its
// settings file holds such a value. Prints the figures; not a test.

#include "files/programdir.h"
#include "ui/comparewindow.h"
#include "ui/tform1.h"

#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using trovanta::bench::median;
using trovanta::bench::ms;

using trovanta::ui::CompareWindow;

// The comparison window made, shown and painted, median of 5.
double opening(TForm1 &main)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i)
        times.push_back(ms([&] {
            CompareWindow c(&main, main.lastGoodRun(), {});
            c.QWidget::show();
            QApplication::processEvents();
        }));
    return median(times);
}

// One keystroke at the end of a field holding `digits` digits, until the
// window has painted again.
double keystroke(QWidget &c, QLineEdit *field, int digits)
{
    const QString before = field->text();
    const QString text(digits, QLatin1Char('1'));
    field->setText(text);
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 15; ++i)
        times.push_back(ms([&] {
            field->setText(text + QString::number(i % 10));
            QApplication::processEvents();
            c.repaint();
        }));
    field->setText(before);
    QApplication::processEvents();
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    trovanta::files::setProgramDirectoryForTesting(dir.path());

    TForm1 main;
    main.show();
    main.Button_BerechnenClick();
    QApplication::processEvents();

    {
        CompareWindow c(&main, main.lastGoodRun(), {});
        c.QWidget::show();
        QApplication::processEvents();
        const int width = c.width();
        std::printf("Comparison, a keystroke in a B field holding a long text (median of 15, window repainted):\n");
        for (QLineEdit *field : {c.B_Edit6, c.B_Edit4, c.B_Edit7})
            for (int digits : {5, 3000, 20000}) {
                const double t = keystroke(c, field, digits);
                std::printf("  %-10s %6d digits %8.2f ms   window %d px wide (at first %d)\n",
                            qPrintable(field->objectName()), digits, t, c.width(), width);
            }
    }

    {
        // What the line edit itself costs with such a text: the floor.
        QWidget bare;
        auto *field = new QLineEdit(&bare);
        field->setObjectName(QStringLiteral("bare edit"));
        bare.show();
        QApplication::processEvents();
        for (int digits : {5, 3000, 20000})
            std::printf("  %-10s %6d digits %8.2f ms\n", qPrintable(field->objectName()), digits,
                        keystroke(bare, field, digits));
    }

    std::printf("Comparison opened from a settings file with a B field of 3000 digits (median of 5):\n");
    for (const char *key : {"Primaer", "Ritzel"}) {
        QFile f(dir.filePath(QStringLiteral("comparaison.ini")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        f.write("[Program]\r\nInifile=comparaison\r\n[Variante]\r\n" + QByteArray(key) + "=" + QByteArray(3000, '1') +
                "\r\n");
        f.close();
        std::printf("  %-8s %8.1f ms\n", key, opening(main));
    }
    QFile::remove(dir.filePath(QStringLiteral("comparaison.ini")));
    std::printf("  without the file %8.1f ms\n", opening(main));
    return 0;
}
