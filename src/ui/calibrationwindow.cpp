#include "ui/calibrationwindow.h"
#include "ui/units.h"
#include "ui/theme.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"
#include "files/settingsfile.h"
#include "print/gearcolours.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/tform1.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace trovanta::ui {

using calibration::real;

namespace {

constexpr int FieldWidth = 80;

QString intText(std::int64_t v) { return QString::fromStdString(num::formatInt(v)); }

QString errorText(const Error &e) { return QString::fromStdString(withFullStop(e.message())); }

// A tab page: an introduction, the rows, then whatever the caller adds.
QVBoxLayout *page(QWidget *w, const Source &introText, QGridLayout *&grid)
{
    auto *v = new QVBoxLayout(w);
    auto *intro = new WrappedLabel;
    keepText(intro, introText);
    v->addWidget(intro);
    grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    v->addLayout(grid);
    return v;
}

void addApply(QVBoxLayout *v, QPushButton *apply)
{
    auto *h = new QHBoxLayout;
    h->addWidget(apply);
    h->addStretch(1);
    v->addLayout(h);
}

QString unitText(files::SpeedUnit u)
{
    switch (u) {
    case files::SpeedUnit::Mph:
        return QStringLiteral("mph");
    case files::SpeedUnit::MetresPerSecond:
        return QStringLiteral("m/s");
    case files::SpeedUnit::Kmh:
        break;
    }
    return QStringLiteral("km/h");
}

// What "Appliquer" may hand to the main window: a circumference of zero or
// less would give it speeds of zero or backwards.
std::optional<std::int32_t> applicable(std::int32_t mm)
{
    if (mm > 0)
        return mm;
    return std::nullopt;
}

// The table of the six gears, as tall as its rows: no scrolling.
class GearTable : public QTableWidget {
public:
    GearTable() : QTableWidget(6, 4) {}

    QSize sizeHint() const override
    {
        return {QTableWidget::sizeHint().width(),
                horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override { return {QTableWidget::minimumSizeHint().width(), sizeHint().height()}; }
};

} // namespace

CalibrationWindow::CalibrationWindow(QWidget *parent) : AnalysisWindow(parent, "CalibrationWindow", "etalonnage")
{
    keepWindowTitle(this, tx("trovanta::ui::CalibrationWindow", "Étalonnage"));
    reading_ = new LoggerReading(this);
    progressTimer_ = new QTimer(this);
    progressTimer_->setObjectName(QStringLiteral("ProgressTimer"));
    progressTimer_->setSingleShot(true);
    buildWindow();

    auto recompute = [this](QLineEdit *e, void (CalibrationWindow::*update)()) {
        connect(e, &QLineEdit::textChanged, this, update);
    };
    recompute(C_Strecke, &CalibrationWindow::updateRollOut);
    recompute(C_Umdrehungen, &CalibrationWindow::updateRollOut);
    recompute(C_Drehzahl, &CalibrationWindow::updateGps);
    recompute(C_GPS, &CalibrationWindow::updateGps);
    connect(C_Gang, &QComboBox::currentIndexChanged, this, &CalibrationWindow::updateGps);
    for (QLineEdit *e : {C_Tacho, C_Wahr, C_RitzelNeu, C_KettenradNeu, C_UmfangNeu})
        recompute(e, &CalibrationWindow::updateSpeedometer);
    connect(C_Sensor, &QComboBox::currentIndexChanged, this, &CalibrationWindow::updateSpeedometer);
    for (Following *f : {&ritzelNeu_, &kettenradNeu_, &umfangNeu_})
        connect(f->edit, &QLineEdit::textEdited, this, [f](const QString &text) { f->follows = text.isEmpty(); });

    connect(C_Anwenden_Abroll, &QPushButton::clicked, this, &CalibrationWindow::C_Anwenden_AbrollClick);
    connect(C_Anwenden_GPS, &QPushButton::clicked, this, &CalibrationWindow::C_Anwenden_GPSClick);
    connect(C_Anwenden_Datei, &QPushButton::clicked, this, &CalibrationWindow::C_Anwenden_DateiClick);
    connect(C_Datei, &QPushButton::clicked, this, &CalibrationWindow::C_DateiClick);
    connect(C_Trotzdem, &QCheckBox::toggled, this, &CalibrationWindow::updateFile);
    connect(C_Abbrechen, &QPushButton::clicked, this, &CalibrationWindow::C_AbbrechenClick);
    connect(reading_, &LoggerReading::progress, this, &CalibrationWindow::fileProgress);
    connect(reading_, &LoggerReading::finished, this, &CalibrationWindow::fileFinished);
    connect(progressTimer_, &QTimer::timeout, this, &CalibrationWindow::showProgress);

    updateAll();
    restoreSettings();
}

CalibrationWindow::~CalibrationWindow()
{
    // A reading still running is cancelled and its thread joined; its
    // outcome is not wanted any more.
    delete reading_;
    reading_ = nullptr;
}

void CalibrationWindow::buildWindow()
{
    auto *top = new QVBoxLayout(this);

    auto *head = new QHBoxLayout;
    head->addWidget(logoLabel(this, "Label_Logo", QStringLiteral("TROVANTA"), 0, 0));
    head->addStretch(1);
    auto *mainValues = new QGridLayout;
    mainValues->setHorizontalSpacing(6);
    P_Umfang_Nenn = display(nullptr, "P_Umfang_Nenn", 56);
    P_Umfang_Haupt = display(nullptr, "P_Umfang_Haupt", 56);
    auto label = [](const Source &text) {
        auto *l = new QLabel;
        keepText(l, text);
        return l;
    };
    mainValues->addWidget(label(tx("trovanta::ui::CalibrationWindow", "Développement nominal du pneu")), 0, 0);
    mainValues->addWidget(P_Umfang_Nenn, 0, 1);
    mainValues->addWidget(label(tx("trovanta::ui::CalibrationWindow", "mm")), 0, 2);
    mainValues->addWidget(label(tx("trovanta::ui::CalibrationWindow", "Développement de la fenêtre principale")), 1, 0);
    mainValues->addWidget(P_Umfang_Haupt, 1, 1);
    mainValues->addWidget(label(tx("trovanta::ui::CalibrationWindow", "mm")), 1, 2);
    keepToolTip(P_Umfang_Nenn, tx("trovanta::ui::CalibrationWindow",
                                  "π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi"));
    keepToolTip(P_Umfang_Haupt, tx("trovanta::ui::CalibrationWindow",
                                   "Le développement avec lequel la fenêtre principale calcule"));
    head->addLayout(mainValues);
    top->addLayout(head);

    C_Tabs = new QTabWidget;
    C_Tabs->setObjectName(QStringLiteral("C_Tabs"));
    C_Tabs->addTab(buildRollOutTab(), QString());
    C_Tabs->addTab(buildGpsTab(), QString());
    C_Tabs->addTab(buildFileTab(), QString());
    C_Tabs->addTab(buildSpeedometerTab(), QString());
    keepTranslated(C_Tabs, [this] {
        C_Tabs->setTabText(0, tr("Déroulé"));
        C_Tabs->setTabText(1, tr("Point GPS"));
        C_Tabs->setTabText(2, tr("Enregistreur"));
        C_Tabs->setTabText(3, tr("Compteur"));
    });
    top->addWidget(C_Tabs, 1);
}

QWidget *CalibrationWindow::buildRollOutTab()
{
    auto *w = new QWidget;
    QGridLayout *grid = nullptr;
    QVBoxLayout *v = page(w,
                          tx("trovanta::ui::CalibrationWindow",
                             "Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en "
                             "selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la "
                             "distance."),
                          grid);
    FieldRows rows(grid);
    C_Strecke = field(nullptr, "C_Strecke", FieldWidth);
    C_Umdrehungen = field(nullptr, "C_Umdrehungen", FieldWidth, QStringLiteral("1"));
    P_Umfang_Abroll = display(nullptr, "P_Umfang_Abroll", FieldWidth);
    P_Abweichung_Abroll = display(nullptr, "P_Abweichung_Abroll", FieldWidth);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Distance parcourue"), C_Strecke,
             tx("trovanta::ui::CalibrationWindow", "mm"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Tours de roue"), C_Umdrehungen);
    rows.gap();
    rows.add(tx("trovanta::ui::CalibrationWindow", "Développement"), P_Umfang_Abroll,
             tx("trovanta::ui::CalibrationWindow", "mm"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Écart au nominal"), P_Abweichung_Abroll);
    C_Anwenden_Abroll = button(nullptr, "C_Anwenden_Abroll", tx("trovanta::ui::CalibrationWindow", "Appliquer"));
    keepToolTip(C_Anwenden_Abroll, tx("trovanta::ui::CalibrationWindow",
                                      "Ce développement dans la fenêtre principale (« Changer » coché), "
                                      "puis un calcul"));
    addApply(v, C_Anwenden_Abroll);
    C_Hinweis_Abroll = wrappedNote(nullptr, "C_Hinweis_Abroll");
    v->addWidget(C_Hinweis_Abroll);
    v->addStretch(1);
    return w;
}

QWidget *CalibrationWindow::buildGpsTab()
{
    auto *w = new QWidget;
    QGridLayout *grid = nullptr;
    QVBoxLayout *v = page(w,
                          tx("trovanta::ui::CalibrationWindow",
                             "La vitesse d'un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le "
                             "rapport et le glissement sont ceux de la fenêtre principale."),
                          grid);
    FieldRows rows(grid);
    C_Gang = new QComboBox;
    C_Gang->setObjectName(QStringLiteral("C_Gang"));
    for (int k = 1; k <= 6; ++k)
        C_Gang->addItem(QString::number(k));
    C_Gang->setCurrentIndex(3);
    C_Gang->setFixedWidth(FieldWidth);
    C_Drehzahl = field(nullptr, "C_Drehzahl", FieldWidth);
    C_GPS = field(nullptr, "C_GPS", FieldWidth);
    P_Umfang_GPS = display(nullptr, "P_Umfang_GPS", FieldWidth);
    P_Abweichung_GPS = display(nullptr, "P_Abweichung_GPS", FieldWidth);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Rapport"), C_Gang);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Régime"), C_Drehzahl,
             tx("trovanta::ui::CalibrationWindow", "tr/min"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Vitesse GPS"), C_GPS,
             tx("trovanta::ui::CalibrationWindow", "km/h"));
    new SpeedField(C_GPS);
    rows.gap();
    rows.add(tx("trovanta::ui::CalibrationWindow", "Développement"), P_Umfang_GPS,
             tx("trovanta::ui::CalibrationWindow", "mm"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Écart au nominal"), P_Abweichung_GPS);
    C_Anwenden_GPS = button(nullptr, "C_Anwenden_GPS", tx("trovanta::ui::CalibrationWindow", "Appliquer"));
    keepToolTip(C_Anwenden_GPS, tx("trovanta::ui::CalibrationWindow",
                                   "Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul"));
    addApply(v, C_Anwenden_GPS);
    C_Hinweis_GPS = wrappedNote(nullptr, "C_Hinweis_GPS");
    v->addWidget(C_Hinweis_GPS);
    v->addStretch(1);
    return w;
}

QWidget *CalibrationWindow::buildFileTab()
{
    auto *w = new QWidget;
    QGridLayout *grid = nullptr;
    auto *v = new QVBoxLayout(w);
    auto *intro = new WrappedLabel;
    keepText(intro, tx("trovanta::ui::CalibrationWindow",
                       "L'export CSV d'un enregistreur ou d'une application de chronométrage, avec une colonne de "
                       "régime et une de vitesse. Chaque point est rangé dans son rapport d'après la fenêtre "
                       "principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports."));
    v->addWidget(intro);

    auto *open = new QHBoxLayout;
    C_Datei = button(nullptr, "C_Datei", tx("trovanta::ui::CalibrationWindow", "Ouvrir…"));
    P_Datei = new QLabel;
    P_Datei->setObjectName(QStringLiteral("P_Datei"));
    P_Datei->setTextFormat(Qt::PlainText);
    P_Datei->setFont(formFont(8, true));
    open->addWidget(C_Datei);
    open->addWidget(P_Datei, 1);
    v->addLayout(open);
    P_Spalten = new WrappedLabel;
    P_Spalten->setObjectName(QStringLiteral("P_Spalten"));
    v->addWidget(P_Spalten);

    auto *progress = new QHBoxLayout;
    C_Fortschritt = new QProgressBar;
    C_Fortschritt->setObjectName(QStringLiteral("C_Fortschritt"));
    C_Fortschritt->setRange(0, 1000);
    C_Fortschritt->setTextVisible(false);
    C_Abbrechen = button(nullptr, "C_Abbrechen", tx("trovanta::ui::CalibrationWindow", "Annuler"));
    progress->addWidget(C_Fortschritt, 1);
    progress->addWidget(C_Abbrechen);
    v->addLayout(progress);
    C_Fortschritt->hide();
    C_Abbrechen->hide();

    grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    v->addLayout(grid);
    FieldRows rows(grid);
    P_Umfang_Datei = display(nullptr, "P_Umfang_Datei", FieldWidth);
    P_Schlupf_Datei = display(nullptr, "P_Schlupf_Datei", FieldWidth);
    keepToolTip(P_Schlupf_Datei, tx("trovanta::ui::CalibrationWindow",
                                    "Le glissement qui accorde les rapports 4 à 6 au développement des "
                                    "rapports 1 à 3"));
    P_Abweichung_Datei = display(nullptr, "P_Abweichung_Datei", FieldWidth);
    P_Punkte = display(nullptr, "P_Punkte", 120);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Développement"), P_Umfang_Datei,
             tx("trovanta::ui::CalibrationWindow", "mm"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Glissement mesuré"), P_Schlupf_Datei);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Écart au nominal"), P_Abweichung_Datei);
    rows.addWide(tx("trovanta::ui::CalibrationWindow", "Points retenus / lignes lues"), P_Punkte);

    C_Gaenge = new GearTable;
    ui::keepLight(C_Gaenge);
    C_Gaenge->setObjectName(QStringLiteral("C_Gaenge"));
    keepTranslated(C_Gaenge, [this] {
        C_Gaenge->setHorizontalHeaderLabels({tr("Points"), tr("Dévelop. mm"), tr("Écart %"), tr("Contrôle")});
    });
    C_Gaenge->setEditTriggers(QAbstractItemView::NoEditTriggers);
    C_Gaenge->setSelectionMode(QAbstractItemView::NoSelection);
    C_Gaenge->setFocusPolicy(Qt::NoFocus);
    C_Gaenge->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    C_Gaenge->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    C_Gaenge->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    C_Gaenge->verticalHeader()->setDefaultSectionSize(20);
    C_Gaenge->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    C_Gaenge->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (int k = 0; k < 6; ++k) {
        auto *h = new QTableWidgetItem(QString::number(k + 1));
        h->setForeground(print::GearColours[static_cast<std::size_t>(k)]);
        QFont bold = formFont(8, true);
        h->setFont(bold);
        C_Gaenge->setVerticalHeaderItem(k, h);
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(c == 3 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            C_Gaenge->setItem(k, c, item);
        }
    }
    C_Gaenge->setMinimumWidth(360);
    v->addWidget(C_Gaenge);

    C_Anwenden_Datei = button(nullptr, "C_Anwenden_Datei", tx("trovanta::ui::CalibrationWindow", "Appliquer"));
    keepToolTip(C_Anwenden_Datei, tx("trovanta::ui::CalibrationWindow",
                                     "Ce développement et le glissement mesuré dans la fenêtre principale, "
                                     "puis un calcul"));
    C_Trotzdem = new QCheckBox;
    keepText(C_Trotzdem, tx("trovanta::ui::CalibrationWindow", "Appliquer quand même"));
    C_Trotzdem->setObjectName(QStringLiteral("C_Trotzdem"));
    C_Trotzdem->hide();
    auto *applyRow = new QHBoxLayout;
    applyRow->addWidget(C_Anwenden_Datei);
    applyRow->addWidget(C_Trotzdem);
    applyRow->addStretch(1);
    v->addLayout(applyRow);
    C_Hinweis_Datei = wrappedNote(nullptr, "C_Hinweis_Datei");
    v->addWidget(C_Hinweis_Datei);
    v->addStretch(1);
    return w;
}

QWidget *CalibrationWindow::buildSpeedometerTab()
{
    auto *w = new QWidget;
    QGridLayout *grid = nullptr;
    QVBoxLayout *v = page(w,
                          tx("trovanta::ui::CalibrationWindow",
                             "Ce qu'indique le compteur et la vitesse réelle (GPS) au même instant, puis l'erreur "
                             "qu'il aura avec d'autres pignons ou un autre pneu."),
                          grid);
    FieldRows rows(grid);
    C_Tacho = field(nullptr, "C_Tacho", FieldWidth);
    C_Wahr = field(nullptr, "C_Wahr", FieldWidth);
    P_Fehler_alt = display(nullptr, "P_Fehler_alt", FieldWidth);
    C_Sensor = new QComboBox;
    C_Sensor->setObjectName(QStringLiteral("C_Sensor"));
    C_Sensor->addItem(QString());
    C_Sensor->addItem(QString());
    keepTranslated(C_Sensor, [this] {
        C_Sensor->setItemText(0, tr("sortie de boîte"));
        C_Sensor->setItemText(1, tr("roue arrière"));
    });
    rows.add(tx("trovanta::ui::CalibrationWindow", "Le compteur indique"), C_Tacho,
             tx("trovanta::ui::CalibrationWindow", "km/h"));
    rows.add(tx("trovanta::ui::CalibrationWindow", "Vitesse réelle (GPS)"), C_Wahr,
             tx("trovanta::ui::CalibrationWindow", "km/h"));
    new SpeedField(C_Tacho);
    new SpeedField(C_Wahr);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Erreur du compteur"), P_Fehler_alt);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Capteur du compteur"), C_Sensor);

    rows.heading(tx("trovanta::ui::CalibrationWindow", "Après le changement de pignons ou de pneu"));
    C_RitzelNeu = field(nullptr, "C_RitzelNeu", FieldWidth);
    C_KettenradNeu = field(nullptr, "C_KettenradNeu", FieldWidth);
    C_UmfangNeu = field(nullptr, "C_UmfangNeu", FieldWidth);
    ritzelNeu_.edit = C_RitzelNeu;
    kettenradNeu_.edit = C_KettenradNeu;
    umfangNeu_.edit = C_UmfangNeu;
    P_Fehler_neu = display(nullptr, "P_Fehler_neu", FieldWidth);
    P_Anzeige_100 = display(nullptr, "P_Anzeige_100", FieldWidth);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Pignon"), C_RitzelNeu);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Couronne"), C_KettenradNeu);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Développement"), C_UmfangNeu,
             tx("trovanta::ui::CalibrationWindow", "mm"));
    rows.gap();
    rows.add(tx("trovanta::ui::CalibrationWindow", "Erreur du compteur"), P_Fehler_neu);
    rows.add(tx("trovanta::ui::CalibrationWindow", "Affichage à 100 km/h réels"), P_Anzeige_100,
             tx("trovanta::ui::CalibrationWindow", "km/h"));

    C_Hinweis_Tacho = wrappedNote(nullptr, "C_Hinweis_Tacho");
    v->addWidget(C_Hinweis_Tacho);
    v->addStretch(1);
    return w;
}

// ---- The main window's run ------------------------------------------------

void CalibrationWindow::mainRunChanged(const MainRun &run)
{
    run_ = run;
    mainProblem_.clear();
    nominal_.reset();
    nominalProblem_.clear();
    try {
        gears_ = gearing::derive(run.set);
        nominal_ = gearing::rollingCircumference(run.set.rim, run.set.width, gearing::heightFraction(run.set.height));
    } catch (const Error &e) {
        // Under the override the tyre's own circumference was never worked
        // out by the run, and may not be computable.
        nominalProblem_ = errorText(e);
    }
    follow(ritzelNeu_, intText(run.set.front));
    follow(kettenradNeu_, intText(run.set.rear));
    follow(umfangNeu_, intText(run.circumference));
    updateAll();
    refitFile();
}

// The file's samples are sorted into gears by the main window's gear set:
// a run that changed it fits them again (a reading still running is fitted
// again when it is done).
void CalibrationWindow::refitFile()
{
    auto sameFit = [](const gearing::Derived &a, const gearing::Derived &b) {
        return a.circumference == b.circumference && a.ratio == b.ratio && a.factor == b.factor;
    };
    if (!source_ || sameFit(source_->gears, gears_) || reading_->running())
        return;
    reading_->refit(*source_, gears_);
}

void CalibrationWindow::mainRunFailed(const QString &message)
{
    mainProblem_ = message;
    updateAll();
}

void CalibrationWindow::place(const QRect &mainFrame)
{
    adjustSize();
    AnalysisWindow::place(mainFrame);
}

void CalibrationWindow::follow(Following &f, const QString &mainText)
{
    f.edit->setPlaceholderText(mainText);
    if (f.follows && f.edit->text() != mainText)
        f.edit->setText(mainText);
}

void CalibrationWindow::updateAll()
{
    updateMainValues();
    updateRollOut();
    updateGps();
    updateFile();
    updateSpeedometer();
    C_Datei->setEnabled(run_.has_value() && !reading_->running());
}

void CalibrationWindow::updateMainValues()
{
    P_Umfang_Nenn->setText(nominal_ ? intText(*nominal_) : noValueText());
    P_Umfang_Haupt->setText(run_ ? intText(run_->circumference) : noValueText());
}

QString CalibrationWindow::nominalDeviation(real value, QString &problem) const
{
    if (!run_)
        return noValueText();
    if (!nominal_) {
        if (problem.isEmpty())
            problem = nominalProblem_;
        return noValueText();
    }
    try {
        return signedPercentText(calibration::deviation(value, *nominal_));
    } catch (const Error &e) {
        if (problem.isEmpty())
            problem = errorText(e);
        return noValueText();
    }
}

void CalibrationWindow::setNote(QLabel *label, const QString &problem) const
{
    // A message quoting a field of thousands of characters stays a few
    // lines high.
    QStringList lines;
    if (!mainProblem_.isEmpty())
        lines << shortenedForNote(tr("La fenêtre principale ne calcule pas : ") + shownMessage(mainProblem_));
    else if (!run_)
        lines << tr("La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer ».");
    if (!problem.isEmpty())
        lines << shortenedForNote(shownMessage(problem));
    label->setText(lines.join(QLatin1Char('\n')));
}

void CalibrationWindow::updateRollOut()
{
    FieldReader in(decimalSeparator());
    const std::optional<double> distance = in.optionalDecimal(C_Strecke);
    const std::optional<double> revolutions = in.optionalDecimal(C_Umdrehungen);
    QString problem = in.message();
    QString value = noValueText(), deviation = noValueText();
    rollOutMm_.reset();
    if (distance && revolutions) {
        try {
            const real c = calibration::rollOutCircumference(*distance, *revolutions);
            const std::int32_t mm = calibration::wholeMm(c);
            value = intText(mm);
            rollOutMm_ = applicable(mm);
            deviation = nominalDeviation(c, problem);
        } catch (const Error &e) {
            problem = errorText(e);
        }
    }
    P_Umfang_Abroll->setText(value);
    P_Abweichung_Abroll->setText(deviation);
    C_Anwenden_Abroll->setEnabled(rollOutMm_.has_value());
    setNote(C_Hinweis_Abroll, problem);
}

void CalibrationWindow::updateGps()
{
    FieldReader in(decimalSeparator());
    const std::optional<std::int32_t> rpm = in.optionalInteger(C_Drehzahl);
    const std::optional<double> kmh = in.optionalSpeed(C_GPS);
    QString problem = in.message();
    QString value = noValueText(), deviation = noValueText();
    gpsMm_.reset();
    if (rpm && kmh && run_) {
        try {
            const real c = calibration::gpsCircumference(gears_, C_Gang->currentIndex() + 1, *rpm, *kmh);
            const std::int32_t mm = calibration::wholeMm(c);
            value = intText(mm);
            gpsMm_ = applicable(mm);
            deviation = nominalDeviation(c, problem);
        } catch (const Error &e) {
            problem = errorText(e);
        }
    }
    P_Umfang_GPS->setText(value);
    P_Abweichung_GPS->setText(deviation);
    C_Anwenden_GPS->setEnabled(gpsMm_.has_value());
    setNote(C_Hinweis_GPS, problem);
}

void CalibrationWindow::updateFile()
{
    QString problem = fileProblem_;
    QString value = noValueText(), slip = noValueText(), deviation = noValueText(), counts = noValueText();
    fileMm_.reset();
    fileSlip_.reset();
    bool suspect = false;
    if (fitted_) {
        const calibration::FitResult &fit = fitted_->fit;
        counts = QString::fromStdString(calibration::countsText(fit.samplesUsed, fitted_->data.dataLines));
        try {
            const std::int32_t mm = calibration::wholeMm(fit.circumference);
            value = intText(mm);
            fileMm_ = applicable(mm);
            deviation = nominalDeviation(fit.circumference, problem);
            if (fit.slip) {
                slip = signedPercentText(*fit.slip);
                // A slip of 100 % or more would stop the upper gears.
                const std::int32_t whole = fp::roundToInt(*fit.slip);
                if (whole < 100 && whole > -100)
                    fileSlip_ = whole;
                else
                    fileMm_.reset();
            }
        } catch (const Error &e) {
            if (problem.isEmpty())
                problem = errorText(e);
        }
        if (problem.isEmpty())
            problem = fitNotes(fit);
        suspect = fit.ratiosSuspect();
    }
    P_Umfang_Datei->setText(value);
    P_Schlupf_Datei->setText(slip);
    P_Abweichung_Datei->setText(deviation);
    P_Punkte->setText(counts);
    C_Trotzdem->setVisible(suspect && fileMm_.has_value());
    C_Anwenden_Datei->setEnabled(fileMm_.has_value() && (!suspect || C_Trotzdem->isChecked()));
    setNote(C_Hinweis_Datei, problem);
}

QString CalibrationWindow::fitNotes(const calibration::FitResult &fit) const
{
    QStringList notes;
    if (fit.fewInGear())
        notes << tr("%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, "
                    "la couronne et les rapports de la fenêtre principale.")
                     .arg(intText(fit.samplesUsed), intText(fit.samplesCounted));
    QStringList missing;
    for (int k = 0; k < 6; ++k)
        if (fit.gears[static_cast<std::size_t>(k)].missing)
            missing << QString::number(k + 1);
    if (!missing.isEmpty())
        notes << tr("Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport "
                    "dans la fenêtre principale.")
                     .arg(missing.join(QStringLiteral(", ")));
    if (fit.ratiosSuspect())
        notes << tr("« Appliquer » attend que vous cochiez « Appliquer quand même ».");
    if (!fit.byLowerGears)
        notes << tr("Trop peu de points en 1re, 2e et 3e (100 dans deux d'entre elles) pour mesurer le glissement : "
                    "le développement vient de tous les rapports, avec le glissement de la fenêtre principale.");
    return notes.join(QLatin1Char(' '));
}

std::optional<std::int32_t> CalibrationWindow::plannedInteger(FieldReader &in, const Following &f,
                                                              std::optional<std::int32_t> mainValue) const
{
    if (f.edit->text().isEmpty()) {
        markField(f.edit, false);
        return mainValue;
    }
    // Teeth of the planned sprockets: as in the comparison.
    return in.integer(f.edit, Need::Positive, MostTeeth);
}

std::optional<double> CalibrationWindow::plannedDecimal(FieldReader &in, const Following &f,
                                                        std::optional<double> mainValue) const
{
    if (f.edit->text().isEmpty()) {
        markField(f.edit, false);
        return mainValue;
    }
    return in.decimal(f.edit, Need::Positive);
}

void CalibrationWindow::updateSpeedometer()
{
    FieldReader in(decimalSeparator());
    const std::optional<double> reading = in.optionalSpeed(C_Tacho);
    const std::optional<double> truth = in.optionalSpeed(C_Wahr);
    std::optional<std::int32_t> mainFront, mainRear;
    std::optional<double> mainCircumference;
    if (run_) {
        mainFront = run_->set.front;
        mainRear = run_->set.rear;
        mainCircumference = run_->circumference;
    }
    const std::optional<std::int32_t> front = plannedInteger(in, ritzelNeu_, mainFront);
    const std::optional<std::int32_t> rear = plannedInteger(in, kettenradNeu_, mainRear);
    const std::optional<double> circumference = plannedDecimal(in, umfangNeu_, mainCircumference);
    QString problem = in.message();

    QString errorNow = noValueText(), errorAfter = noValueText(), at100 = noValueText();
    if (reading && truth) {
        try {
            const real e0 = calibration::speedometerError(*reading, *truth);
            errorNow = signedPercentText(e0);
            if (run_ && front && rear && circumference) {
                // Exact tooth ratios here: the speedometer counts teeth and
                // revolutions, not the ratio as the main window shows it.
                const calibration::Drive now{run_->set.front, run_->set.rear, real(run_->circumference)};
                const calibration::Drive next{*front, *rear, *circumference};
                const auto sensor =
                    C_Sensor->currentIndex() == 1 ? calibration::Sensor::RearWheel : calibration::Sensor::Gearbox;
                const real e = calibration::speedometerErrorAfter(e0, sensor, now, next);
                errorAfter = signedPercentText(e);
                at100 = intText(calibration::readingAt(100, e));
            }
        } catch (const Error &e) {
            if (problem.isEmpty())
                problem = errorText(e);
        }
    }
    P_Fehler_alt->setText(errorNow);
    P_Fehler_neu->setText(errorAfter);
    P_Anzeige_100->setText(at100);
    setNote(C_Hinweis_Tacho, problem);
}

// ---- The three "Appliquer" ---------------------------------------------------

void CalibrationWindow::C_Anwenden_AbrollClick()
{
    if (rollOutMm_)
        emit circumferenceApplied(*rollOutMm_);
}

void CalibrationWindow::C_Anwenden_GPSClick()
{
    if (gpsMm_)
        emit circumferenceApplied(*gpsMm_);
}

void CalibrationWindow::C_Anwenden_DateiClick()
{
    if (!fileMm_ || !C_Anwenden_Datei->isEnabled())
        return;
    if (fileSlip_)
        emit circumferenceAndSlipApplied(*fileMm_, *fileSlip_);
    else
        emit circumferenceApplied(*fileMm_);
}

// ---- The logger file ---------------------------------------------------------

void CalibrationWindow::C_DateiClick()
{
    if (!run_ || reading_->running())
        return;
    const QString path =
        platform().getOpenFileName(this, tr("Ouvrir un enregistrement"), tr("Enregistrements (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    if (!reading_->start(path, gears_))
        return;
    C_Datei->setEnabled(false);
    C_Fortschritt->setValue(0);
    C_Abbrechen->setEnabled(true);
    progressTimer_->start(progressDelay_);
}

void CalibrationWindow::C_AbbrechenClick()
{
    // The bar goes at once: the worker may still need a moment to let go of
    // the samples of a huge file; the file button waits for it.
    reading_->cancel();
    C_Abbrechen->setEnabled(false);
    hideProgress();
}

void CalibrationWindow::showProgress()
{
    if (!reading_->running())
        return;
    C_Fortschritt->show();
    C_Abbrechen->show();
}

void CalibrationWindow::hideProgress()
{
    progressTimer_->stop();
    C_Fortschritt->hide();
    C_Abbrechen->hide();
}

void CalibrationWindow::fileProgress(qint64 done, qint64 total)
{
    if (total > 0)
        C_Fortschritt->setValue(static_cast<int>(std::min<qint64>(done, total) * 1000 / total));
}

void CalibrationWindow::fileFinished(const LoggerOutcome &outcome)
{
    hideProgress();
    switch (outcome.kind) {
    case LoggerOutcome::Kind::Fitted: {
        const bool newFile = !source_ || source_->samples != outcome.samples;
        fitted_ = outcome;
        source_ = outcome;
        fileProblem_.clear();
        if (newFile)
            C_Trotzdem->setChecked(false);
        P_Datei->setText(QFileInfo(outcome.path).fileName());
        fileColumns_ = outcome.data;
        showFileColumns();
        fillGearTable();
        break;
    }
    case LoggerOutcome::Kind::Failed:
        // What was shown before stays: it still belongs to the file named.
        // A fit again that failed leaves no results for the present gear set.
        fileProblem_ = outcome.message;
        if (outcome.samples) {
            fitted_.reset();
            source_ = outcome;
            fillGearTable();
        }
        break;
    case LoggerOutcome::Kind::Cancelled:
        break;
    }
    updateFile();
    C_Datei->setEnabled(run_.has_value());
    emit fileRead();
    refitFile();
}

void CalibrationWindow::showFileColumns()
{
    if (!fileColumns_)
        return;
    const files::LoggerData &d = *fileColumns_;
    QString unit = unitText(d.unit);
    if (d.unitSource == files::UnitSource::Default)
        unit = tr("%1 (par défaut)").arg(unit);
    P_Spalten->setText(tr("Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5")
                           .arg(d.engineColumn, d.speedColumn, unit, intText(d.headerLine), intText(d.skippedLines)));
}

void CalibrationWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        // Results, notes and the file's lines in the new language; the
        // values typed stay.
        updateAll();
        showFileColumns();
        fillGearTable();
    }
    AnalysisWindow::changeEvent(e);
}

void CalibrationWindow::fillGearTable()
{
    for (int k = 0; k < 6; ++k) {
        QString cells[4];
        if (fitted_) {
            const calibration::GearFit &g = fitted_->fit.gears[static_cast<std::size_t>(k)];
            cells[0] = intText(g.pass2);
            cells[1] = cells[2] = noValueText();
            try {
                if (g.circumference)
                    cells[1] = intText(calibration::wholeMm(*g.circumference));
                if (g.deviation)
                    cells[2] = signedF2Text(*g.deviation);
            } catch (const Error &) {
                // A circumference beyond whole 32-bit millimetres stays "–".
            }
            if (g.check)
                cells[3] = tr("à vérifier");
        }
        for (int c = 0; c < 4; ++c)
            C_Gaenge->item(k, c)->setText(cells[c]);
        C_Gaenge->item(k, 3)->setForeground(QColor(176, 0, 0));
    }
}

void CalibrationWindow::waitForFile()
{
    // A reading done may start a fit again for a run that came meanwhile.
    while (reading_->running())
        reading_->wait();
}

void CalibrationWindow::setLoggerReader(LoggerReader reader) { reading_->setReader(std::move(reader)); }

void CalibrationWindow::closeEvent(QCloseEvent *e)
{
    // Nobody is left to look at a file still being read.
    reading_->cancel();
    AnalysisWindow::closeEvent(e);
}

// ---- Settings ------------------------------------------------------------------

void CalibrationWindow::readSettings(const files::SettingsReader &ini)
{
    auto text = [&](const char *section, const char *key, QLineEdit *e) {
        e->setText(ini.readString(QString::fromLatin1(section), QString::fromLatin1(key), e->text()));
    };
    text("Abroll", "Strecke", C_Strecke);
    text("Abroll", "Umdrehungen", C_Umdrehungen);
    const int gear = C_Gang->findText(ini.readString(QStringLiteral("GPS"), QStringLiteral("Gang"), QString()));
    if (gear >= 0)
        C_Gang->setCurrentIndex(gear);
    text("GPS", "Drehzahl", C_Drehzahl);
    // Speeds are stored in km/h.
    auto speed = [&](const char *section, const char *key, QLineEdit *e) {
        if (auto *f = e->findChild<SpeedField *>(QString(), Qt::FindDirectChildrenOnly))
            f->setKmhText(ini.readString(QString::fromLatin1(section), QString::fromLatin1(key), f->kmhText()));
    };
    speed("GPS", "Tempo", C_GPS);
    speed("Tacho", "Anzeige", C_Tacho);
    speed("Tacho", "Wahr", C_Wahr);
    const QString sensor = ini.readString(QStringLiteral("Tacho"), QStringLiteral("Sensor"), QString());
    if (sensor == QLatin1String("0") || sensor == QLatin1String("1"))
        C_Sensor->setCurrentIndex(sensor.toInt());
    // A planned value typed before comes back as typed; none follows the
    // main window.
    auto planned = [&](const char *key, Following &f) {
        const QString v = ini.readString(QStringLiteral("Tacho"), QString::fromLatin1(key), QString());
        f.follows = v.isEmpty();
        if (!f.follows)
            f.edit->setText(v);
    };
    planned("RitzelNeu", ritzelNeu_);
    planned("KettenradNeu", kettenradNeu_);
    planned("UmfangNeu", umfangNeu_);
}

void CalibrationWindow::writeSettings(files::SettingsWriter &ini) const
{
    auto text = [&](const char *section, const char *key, const QString &value) {
        ini.writeString(QString::fromLatin1(section), QString::fromLatin1(key), value);
    };
    text("Abroll", "Strecke", C_Strecke->text());
    text("Abroll", "Umdrehungen", C_Umdrehungen->text());
    text("GPS", "Gang", C_Gang->currentText());
    text("GPS", "Drehzahl", C_Drehzahl->text());
    text("GPS", "Tempo", kmhTextOf(C_GPS));
    text("Tacho", "Anzeige", kmhTextOf(C_Tacho));
    text("Tacho", "Wahr", kmhTextOf(C_Wahr));
    text("Tacho", "Sensor", QString::number(C_Sensor->currentIndex()));
    // Only what the rider typed; a field that follows the main window is
    // stored empty and follows it again next time.
    text("Tacho", "RitzelNeu", ritzelNeu_.follows ? QString() : C_RitzelNeu->text());
    text("Tacho", "KettenradNeu", kettenradNeu_.follows ? QString() : C_KettenradNeu->text());
    text("Tacho", "UmfangNeu", umfangNeu_.follows ? QString() : C_UmfangNeu->text());
}

AnalysisWindow *createCalibrationWindow(TForm1 *main)
{
    auto *w = new CalibrationWindow(main);
    if (main)
        QObject::connect(w, &CalibrationWindow::circumferenceApplied, main, &TForm1::setCircumferenceOverride);
    if (main)
        QObject::connect(w, &CalibrationWindow::circumferenceAndSlipApplied, main, &TForm1::setCircumferenceAndSlip);
    return w;
}

} // namespace trovanta::ui
