#include "ui/startup.h"

#include "calc/product.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/tform1.h"
#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QApplication>

namespace trovanta::ui {

void startTrovanta(const std::function<void()> &mainWindowShown)
{
    QApplication::setApplicationName(QString::fromUtf8(product::ApplicationTitle));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setFont(formFont(8));

    Forms &f = forms();
    f.Form1 = new TForm1;
    f.Form1->show();
    // Let the main window appear before the other windows are built; the
    // rider's input waits until all of them exist.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (mainWindowShown)
        mainWindowShown();
    f.Form2 = new TForm2(f.Form1);
    f.Form3 = new TForm3(f.Form1);
    f.Form4 = new TForm4(f.Form1);
    f.Form5 = new TForm5(f.Form1);
    f.Form6 = new TForm6(f.Form1);
    f.Form7 = new TForm7(f.Form1);
    f.Form8 = new TForm8(f.Form1);
    f.Form9 = new TForm9(f.Form1);
    f.Form10 = new TForm10(f.Form1);
}

namespace {
template <class T> void destroy(T *&w)
{
    delete w;
    w = nullptr;
}
} // namespace

void stopTrovanta()
{
    Forms &f = forms();
    destroy(f.Form10);
    destroy(f.Form9);
    destroy(f.Form8);
    destroy(f.Form7);
    destroy(f.Form6);
    destroy(f.Form5);
    destroy(f.Form4);
    destroy(f.Form3);
    destroy(f.Form2);
    destroy(f.Form1);
}

} // namespace trovanta::ui
