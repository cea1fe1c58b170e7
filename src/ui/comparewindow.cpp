#include "ui/comparewindow.h"
#include "ui/units.h"
#include "ui/theme.h"

#include "ui/placement.h"

#include "calc/error.h"
#include "calc/numtext.h"
#include "files/fileerror.h"
#include "files/geardata.h"
#include "files/settingsfile.h"
#include "print/gearcolours.h"
#include "print/printercanvas.h"
#include "ui/compareperformance.h"
#include "ui/fonts.h"
#include "ui/geardialogs.h"
#include "ui/gearsetbinder.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/tform1.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace trovanta::ui {

namespace {

constexpr int FieldWidth = 58;
constexpr int PointRows = 12;
enum PointColumn { PointName, PointKmh, PointGear, PointRpmA, PointRpmB };

const QColor RedZoneCell(255, 0, 0);

QString q(const std::string &utf8Text) { return QString::fromStdString(utf8Text); }

// A typed text in the legend: a few characters, not the width of the field's thousands.
QString brief(const QString &text)
{
    constexpr int Longest = 12;
    return text.size() <= Longest ? text : text.left(Longest - 1) + QChar(0x2026);
}

QString intText(const std::optional<std::int32_t> &v) { return v ? QString::number(*v) : noValueText(); }
QString ratioOrDash(const std::optional<double> &v) { return v ? ratioText(*v) : noValueText(); }

void setText(QLabel *l, const QString &text)
{
    if (l->text() != text)
        l->setText(text);
}

QTableWidgetItem *cell(QTableWidget *t, int row, int column)
{
    QTableWidgetItem *i = t->item(row, column);
    if (!i) {
        i = new QTableWidgetItem;
        t->setItem(row, column, i);
    }
    return i;
}

void setCell(QTableWidget *t, int row, int column, const QString &text)
{
    QTableWidgetItem *i = cell(t, row, column);
    if (i->text() != text)
        i->setText(text);
}

// A gear is chosen by the exact texts 1 to 6, as in the main window.
std::optional<int> gearOf(const QString &text)
{
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'6')
        return text[0].digitValue();
    return std::nullopt;
}

// A small picture of a gear's colour for the gear table's row heads: a
// solid and a dashed stroke, as the diagram draws A and B.
QIcon gearIcon(int gear)
{
    // Drawn at the size a row head shows it, for each screen density, so
    // that a 200 % screen gets a sharp picture of the same size, not a
    // larger one over the gear's number.
    constexpr int W = 16, H = 10;
    const QColor &c = print::GearColours[std::size_t(gear - 1)];
    QIcon icon;
    for (qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        QPixmap pm(QSize(W, H) * ratio);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setPen(QPen(c, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 2), QPointF(W, 2));
        QPen dashed(c, 2, Qt::SolidLine, Qt::FlatCap);
        dashed.setDashPattern({2, 1.5});
        p.setPen(dashed);
        p.drawLine(QPointF(0, 8), QPointF(W, 8));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

struct SetRow {
    const char *caption;
    const char *key; // in [Variante]
};

// The rows of both sets, in the order of B's fields.
const SetRow SetRows[14] = {
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Diamètre de jante (\")"), "Felge"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Largeur pneu(mm)"), "Breite"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Hauteur pneu (%)"), "Hoehe"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Glissement(%)"), "Schlupf"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Développement (mm)"), "Umfang"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Pignon"), "Ritzel"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Couronne"), "Kettenrad"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Primaire"), "Primaer"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 1"), "Gang1"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 2"), "Gang2"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 3"), "Gang3"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 4"), "Gang4"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 5"), "Gang5"},
    {QT_TRANSLATE_NOOP("trovanta::ui::CompareWindow", "Rapport 6"), "Gang6"},
};

// A set's texts on those rows; an empty circumference: the tyre gives it.
std::array<QString, 14> rowTexts(const gearing::SetTexts &t)
{
    return {q(t.rim),   q(t.width),    q(t.height),   q(t.slip),
            q(t.circumference.value_or(std::string())),
            q(t.front), q(t.rear),     q(t.primary),  q(t.gears[0]),
            q(t.gears[1]), q(t.gears[2]), q(t.gears[3]), q(t.gears[4]), q(t.gears[5])};
}

} // namespace

CompareWindow::CompareWindow(QWidget *parent, const std::optional<MainRun> &lastGoodRun,
                             std::function<MainFields()> mainFields)
    : AnalysisWindow(parent, "CompareWindow", "comparaison"), a_(lastGoodRun), mainFields_(std::move(mainFields))
{
    keepWindowTitle(this, tx("trovanta::ui::CompareWindow", "Comparaison"));
    held_ = 1;
    buildWindow();
    b_ = std::make_unique<GearSetBinder>(
        GearSetBinder::Edits{B_Edit1, B_Edit2, B_Edit3, B_Schlupf, B_Edit4, B_Edit5, B_Edit6, B_Edit7, B_Edit8,
                             B_Edit9, B_Edit10, B_Edit11, B_Edit12},
        B_Umfang);
    // B starts as a copy of A (before the main window's first good run, of
    // its fields); what the settings file keeps wins.
    copyIntoB(aSet());
    showA();
    restoreSettings();
    held_ = 0;
    recompute();
}

CompareWindow::~CompareWindow() = default;

std::array<QLineEdit *, 14> CompareWindow::bFields() const
{
    return {B_Edit1, B_Edit2, B_Edit3, B_Schlupf, B_Umfang, B_Edit4, B_Edit5,
            B_Edit6, B_Edit7, B_Edit8, B_Edit9,   B_Edit10, B_Edit11, B_Edit12};
}

std::array<TPanel *, 14> CompareWindow::aPanels() const
{
    return {A_Edit1, A_Edit2, A_Edit3, A_Schlupf, A_Umfang, A_Edit4, A_Edit5,
            A_Edit6, A_Edit7, A_Edit8, A_Edit9,   A_Edit10, A_Edit11, A_Edit12};
}

void CompareWindow::buildWindow()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(8, 6, 8, 8);
    root->setSpacing(6);
    root->addWidget(logoLabel(this, "Label_Logo", QStringLiteral("TROVANTA"), 0, 0));

    auto *body = new QHBoxLayout;
    body->setSpacing(10);
    root->addLayout(body, 1);

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(buildSets());
    left->addWidget(buildResults());
    left->addStretch(1);
    body->addLayout(left);

    buildTables();
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    auto *upper = new QHBoxLayout;
    upper->setSpacing(10);
    auto *diagramBox = new QVBoxLayout;
    diagramBox->setSpacing(4);
    Diagramm = new CompareDiagram(this);
    ui::keepLight(Diagramm);
    diagramBox->addWidget(Diagramm, 1);
    CB_Saegezahn = new QCheckBox(this);
    CB_Saegezahn->setObjectName(QStringLiteral("CB_Saegezahn"));
    keepText(CB_Saegezahn, tx("trovanta::ui::CompareWindow", "Dents de scie"));
    keepToolTip(CB_Saegezahn, tx("trovanta::ui::CompareWindow",
                                 "Régime sur vitesse : chaque rapport jusqu'au passage, puis la chute du régime au "
                                 "rapport suivant."));
    diagramBox->addWidget(CB_Saegezahn);
    upper->addLayout(diagramBox, 1);
    QGroupBox *points = groupBox(this, "GB_Punkte", tx("trovanta::ui::CompareWindow", "Points de la piste"));
    auto *pointsLayout = new QVBoxLayout(points);
    pointsLayout->setContentsMargins(6, 4, 6, 6);
    pointsLayout->addWidget(T_Punkte);
    pointsLayout->addStretch(1);
    points->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *beside = new QVBoxLayout;
    beside->setSpacing(6);
    beside->addWidget(points, 1);
    GB_Leistung = new ComparePerformance(this);
    beside->addWidget(GB_Leistung, 0);
    upper->addLayout(beside, 0);
    right->addLayout(upper, 1);
    QGroupBox *gears = groupBox(this, "GB_Vergleich", tx("trovanta::ui::CompareWindow", "Rapports"));
    auto *gearsLayout = new QVBoxLayout(gears);
    gearsLayout->setContentsMargins(6, 4, 6, 6);
    gearsLayout->addWidget(T_Vergleich);
    right->addWidget(gears, 0);
    body->addLayout(right, 1);

    // The note between the two buttons at the foot: at most two lines.
    auto *foot = new QHBoxLayout;
    foot->setSpacing(10);
    B_Drucken = button(this, "B_Drucken", tx("trovanta::ui::CompareWindow", "Imprimer"));
    L_Hinweis = noteLabel(this, "L_Hinweis");
    // However long the message, the note takes the width the foot leaves it.
    L_Hinweis->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    L_Hinweis->setFixedHeight(2 * L_Hinweis->fontMetrics().lineSpacing() + 2);
    L_Hinweis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    B_Close = button(this, "B_Close", tx("trovanta::ui::CompareWindow", "Fermer"));
    foot->addWidget(B_Drucken);
    foot->addWidget(L_Hinweis, 1);
    foot->addWidget(B_Close);
    root->addLayout(foot);

    for (QLineEdit *e : bFields())
        connect(e, &QLineEdit::textChanged, this, &CompareWindow::changed);
    connect(E_Reise, &QLineEdit::textChanged, this, &CompareWindow::changed);
    connect(T_Punkte, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *i) {
        if (i->column() == PointKmh)
            kmhCellTyped(i);
        if (i->column() <= PointGear)
            changed();
    });
    connect(&unitsHub(), &UnitsHub::changed, this, &CompareWindow::showUnits);
    connect(CB_Saegezahn, &QCheckBox::toggled, this, &CompareWindow::recompute);
    connect(B_VonA, &QPushButton::clicked, this, &CompareWindow::B_VonAClick);
    connect(B_Oeffnen, &QPushButton::clicked, this, &CompareWindow::B_OeffnenClick);
    connect(B_Speichern, &QPushButton::clicked, this, &CompareWindow::B_SpeichernClick);
    connect(B_Uebernehmen, &QPushButton::clicked, this, &CompareWindow::B_UebernehmenClick);
    connect(B_Drucken, &QPushButton::clicked, this, &CompareWindow::B_DruckenClick);
    connect(B_Close, &QPushButton::clicked, this, &QWidget::close);
    resize(QSize(1180, 690).expandedTo(minimumSizeHint()));
}

QWidget *CompareWindow::buildSets()
{
    QGroupBox *box = groupBox(this, "GB_Saetze", tx("trovanta::ui::CompareWindow", "Jeux de démultiplication"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    auto head = [&](const Source &text, int column) {
        QLabel *l = boldLabel(box, text);
        l->setAlignment(Qt::AlignCenter);
        grid->addWidget(l, 0, column);
    };
    head(tx("trovanta::ui::CompareWindow", "A  Actuel"), 1);
    head(tx("trovanta::ui::CompareWindow", "B  Variante"), 2);

    static const char *const bNames[14] = {"B_Edit1", "B_Edit2", "B_Edit3",  "B_Schlupf", "B_Umfang",
                                           "B_Edit4", "B_Edit5", "B_Edit6",  "B_Edit7",   "B_Edit8",
                                           "B_Edit9", "B_Edit10", "B_Edit11", "B_Edit12"};
    static const char *const aNames[14] = {"A_Edit1", "A_Edit2", "A_Edit3",  "A_Schlupf", "A_Umfang",
                                           "A_Edit4", "A_Edit5", "A_Edit6",  "A_Edit7",   "A_Edit8",
                                           "A_Edit9", "A_Edit10", "A_Edit11", "A_Edit12"};
    QLineEdit **bs[14] = {&B_Edit1, &B_Edit2, &B_Edit3, &B_Schlupf, &B_Umfang, &B_Edit4,  &B_Edit5,
                          &B_Edit6, &B_Edit7, &B_Edit8, &B_Edit9,   &B_Edit10, &B_Edit11, &B_Edit12};
    TPanel **as[14] = {&A_Edit1, &A_Edit2, &A_Edit3, &A_Schlupf, &A_Umfang, &A_Edit4,  &A_Edit5,
                       &A_Edit6, &A_Edit7, &A_Edit8, &A_Edit9,   &A_Edit10, &A_Edit11, &A_Edit12};
    for (int r = 0; r < 14; ++r) {
        auto *caption = new QLabel(box);
        caption->setTextFormat(Qt::PlainText);
        keepText(caption, Source{"trovanta::ui::CompareWindow", SetRows[r].caption});
        grid->addWidget(caption, r + 1, 0);

        // The sprockets step by one tooth: their field shares a holder with its arrows.
        const bool sprocket = r == 5 || r == 6;
        QWidget *holder = sprocket ? new QWidget(box) : nullptr;
        auto *e = new QLineEdit(sprocket ? holder : box);
        e->setObjectName(QString::fromLatin1(bNames[r]));
        // The notes name a field by its caption.
        caption->setBuddy(e);
        *bs[r] = e;
        const int h = e->sizeHint().height();
        auto *a = new TPanel(box);
        a->setObjectName(QString::fromLatin1(aNames[r]));
        a->setFixedSize(FieldWidth, h);
        *as[r] = a;
        grid->addWidget(a, r + 1, 1);

        if (sprocket) {
            e->setGeometry(0, 0, FieldWidth, h);
            auto *u = new TUpDown(holder, e, 1, 99, 1, r == 5 ? 17 : 38);
            u->setObjectName(QString::fromLatin1(r == 5 ? "B_UpDown4" : "B_UpDown5"));
            (r == 5 ? B_UpDown4 : B_UpDown5) = u;
            e->setFixedWidth(e->width());
            u->setFixedSize(u->size());
            auto *hl = new QHBoxLayout(holder);
            hl->setContentsMargins(0, 0, 0, 0);
            hl->setSpacing(0);
            hl->addWidget(e);
            hl->addWidget(u);
            holder->setFixedSize(FieldWidth, h);
            grid->addWidget(holder, r + 1, 2);
        } else {
            e->setFixedWidth(FieldWidth);
            grid->addWidget(e, r + 1, 2);
        }
    }
    keepTranslated(B_Umfang, [this] {
        B_Umfang->setPlaceholderText(tr("calculé"));
        B_Umfang->setToolTip(tr("Vide : calculé à partir du pneu. Un nombre : utilisé tel quel."));
    });
    keepToolTip(A_Umfang, tx("trovanta::ui::CompareWindow",
                             "Vide : la fenêtre principale calcule le développement à partir du pneu."));
    grid->setColumnStretch(0, 1);

    B_VonA = button(box, "B_VonA", tx("trovanta::ui::CompareWindow", "Copier A → B"));
    B_Oeffnen = button(box, "B_Oeffnen", tx("trovanta::ui::CompareWindow", "Ouvrir…"));
    B_Speichern = button(box, "B_Speichern", tx("trovanta::ui::CompareWindow", "Enregistrer sous…"));
    B_Uebernehmen =
        button(box, "B_Uebernehmen", tx("trovanta::ui::CompareWindow", "Appliquer à la fenêtre principale"));
    keepTranslated(box, [this] {
        B_VonA->setToolTip(tr("Les valeurs de A dans les champs de B."));
        B_Oeffnen->setToolTip(tr("Un fichier de démultiplication dans B ; glissement et développement restent."));
        B_Speichern->setToolTip(tr("B dans un fichier de démultiplication, avec le titre et les marques de A."));
        B_Uebernehmen->setToolTip(tr("B dans la fenêtre principale, puis un calcul."));
    });
    auto *buttons = new QGridLayout;
    buttons->setSpacing(4);
    buttons->addWidget(B_VonA, 0, 0, 1, 2);
    buttons->addWidget(B_Oeffnen, 1, 0);
    buttons->addWidget(B_Speichern, 1, 1);
    buttons->addWidget(B_Uebernehmen, 2, 0, 1, 2);
    grid->addLayout(buttons, 15, 0, 1, 3);
    return box;
}

QWidget *CompareWindow::buildResults()
{
    QGroupBox *box = groupBox(this, "GB_Ergebnis", tx("trovanta::ui::CompareWindow", "Résultats"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const int h = QLineEdit().sizeHint().height();
    auto head = [&](const Source &text, int column) {
        QLabel *l = boldLabel(box, text);
        l->setAlignment(Qt::AlignCenter);
        grid->addWidget(l, 0, column);
    };
    head(tx("trovanta::ui::CompareWindow", "A"), 1);
    head(tx("trovanta::ui::CompareWindow", "B"), 2);
    auto panel = [&](const char *name, int row, int column) {
        auto *p = new TPanel(box);
        p->setObjectName(QString::fromLatin1(name));
        p->setFixedSize(FieldWidth, h);
        grid->addWidget(p, row, column);
        return p;
    };
    auto caption = [&](const Source &text, int row) {
        auto *l = new QLabel(box);
        l->setTextFormat(Qt::PlainText);
        keepText(l, text);
        grid->addWidget(l, row, 0);
    };
    caption(tx("trovanta::ui::CompareWindow", "Secondaire"), 1);
    P_Secondaire_A = panel("P_Secondaire_A", 1, 1);
    P_Secondaire_B = panel("P_Secondaire_B", 1, 2);
    // The change stands below B, so that A and B line up with the sets above.
    caption(tx("trovanta::ui::CompareWindow", "Écart du secondaire"), 2);
    P_Ecart_Secondaire = panel("P_Ecart_Secondaire", 2, 2);
    caption(tx("trovanta::ui::CompareWindow", "Développement (mm)"), 3);
    P_Umfang_A = panel("P_Umfang_A", 3, 1);
    P_Umfang_B = panel("P_Umfang_B", 3, 2);

    // "Régime à [130] km/h en 6e"
    auto *cruise = new QWidget(box);
    auto *cl = new QHBoxLayout(cruise);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(4);
    auto *at = new QLabel(cruise);
    keepText(at, tx("trovanta::ui::CompareWindow", "Régime à"));
    cl->addWidget(at);
    E_Reise = new QLineEdit(QStringLiteral("130"), cruise);
    E_Reise->setObjectName(QStringLiteral("E_Reise"));
    keepTranslated(E_Reise, [this] { E_Reise->setAccessibleName(tr("Régime à … km/h en 6e")); });
    E_Reise->setFixedWidth(44);
    cl->addWidget(E_Reise);
    L_ReiseUnit = new QLabel(cruise);
    L_ReiseUnit->setObjectName(QStringLiteral("L_ReiseUnit"));
    followUnits(L_ReiseUnit, tx("trovanta::ui::CompareWindow", "km/h en 6e"));
    cl->addWidget(L_ReiseUnit);
    new SpeedField(E_Reise);
    cl->addStretch(1);
    grid->addWidget(cruise, 4, 0);
    P_Reise_A = panel("P_Reise_A", 4, 1);
    P_Reise_B = panel("P_Reise_B", 4, 2);
    grid->setColumnStretch(0, 1);
    return box;
}

void CompareWindow::buildTables()
{
    const int rowHeight = fontMetrics().height() + 7;
    auto table = [&](const char *name, int rows, const QStringList &heads) {
        auto *t = new QTableWidget(rows, int(heads.size()), this);
        t->setObjectName(QString::fromLatin1(name));
        t->setHorizontalHeaderLabels(heads);
        t->verticalHeader()->setDefaultSectionSize(rowHeight);
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setWordWrap(false);
        t->setItemDelegate(new CachedTextDelegate(t));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < heads.size(); ++c)
                cell(t, r, c)->setTextAlignment(Qt::AlignCenter);
        return t;
    };

    T_Vergleich = table("T_Vergleich", 6, gearHeads());
    T_Vergleich->setEditTriggers(QAbstractItemView::NoEditTriggers);
    T_Vergleich->setSelectionMode(QAbstractItemView::NoSelection);
    T_Vergleich->setFocusPolicy(Qt::NoFocus);
    // Heads in two lines ("Régime" over "après A") keep the columns narrow.
    QHeaderView *head = T_Vergleich->horizontalHeader();
    head->setSectionResizeMode(QHeaderView::Stretch);
    head->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    head->setFixedHeight(2 * fontMetrics().lineSpacing() + 8);
    for (int g = 1; g <= 6; ++g)
        T_Vergleich->setVerticalHeaderItem(g - 1, new QTableWidgetItem(gearIcon(g), QString::number(g)));
    keepToolTip(T_Vergleich, tx("trovanta::ui::CompareWindow",
                                "Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à "
                                "cette vitesse. Vmax : à la zone rouge."));

    T_Punkte = table("T_Punkte", PointRows, pointHeads());
    T_Punkte->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    T_Punkte->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < PointRows; ++r) {
        cell(T_Punkte, r, PointName)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int c : {PointRpmA, PointRpmB})
            cell(T_Punkte, r, c)->setFlags(Qt::ItemIsEnabled);
    }
    T_Punkte->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    keepToolTip(T_Punkte, tx("trovanta::ui::CompareWindow",
                             "Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. "
                             "Rouge : au-delà de la zone rouge."));
    sizeTables();
    for (QWidget *t : {static_cast<QWidget *>(T_Vergleich), static_cast<QWidget *>(T_Punkte)})
        ui::keepLight(t);
}

void CompareWindow::sizeTables()
{
    auto fitHeight = [](QTableWidget *t) {
        const QHeaderView *head = t->horizontalHeader();
        int h = std::max(head->sizeHint().height(), head->minimumHeight()) + 2 * t->frameWidth();
        for (int r = 0; r < t->rowCount(); ++r)
            h += t->rowHeight(r);
        t->setFixedHeight(h);
    };
    // Heads in two lines ("Régime" over "après A") keep the columns narrow;
    // each column as wide as its longest word.
    int widest = fontMetrics().horizontalAdvance(tr("Démulti. B"));
    for (const QString &head : gearHeads())
        for (const QString &word : head.split(QLatin1Char(' ')))
            widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    T_Vergleich->horizontalHeader()->setMinimumSectionSize(widest + 14);
    fitHeight(T_Vergleich);

    QHeaderView *h = T_Punkte->horizontalHeader();
    const int number = std::max(fontMetrics().horizontalAdvance(tr("Régime A")),
                                fontMetrics().horizontalAdvance(tr("Régime B"))) + 14;
    h->resizeSection(PointName, std::max(110, fontMetrics().horizontalAdvance(tr("Point")) + 14));
    h->resizeSection(PointKmh, fontMetrics().horizontalAdvance(QStringLiteral("000,0")) + 16);
    h->resizeSection(PointGear, fontMetrics().horizontalAdvance(tr("Rapport")) + 12);
    h->resizeSection(PointRpmA, number);
    h->resizeSection(PointRpmB, number);
    int w = T_Punkte->verticalHeader()->sizeHint().width() + 2 * T_Punkte->frameWidth();
    for (int c = 0; c < T_Punkte->columnCount(); ++c)
        w += h->sectionSize(c);
    T_Punkte->setFixedWidth(w);
    fitHeight(T_Punkte);
}

void CompareWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        // The heads, the notes, the legend and the refusals in the new
        // language; the values typed stay.
        T_Vergleich->setHorizontalHeaderLabels(gearHeads());
        T_Punkte->setHorizontalHeaderLabels(pointHeads());
        sizeTables();
        recompute();
    }
    AnalysisWindow::changeEvent(e);
}

void CompareWindow::place(const QRect &mainFrame)
{
    // Beside the main window when it fits on the main window's screen,
    // centred on it otherwise.
    const QRect avail = ui::screenHolding(mainFrame, ui::availableScreens());
    const QSize frame = frameGeometry().size();
    QRect beside(QPoint(mainFrame.right() + 8, mainFrame.top()), frame);
    if (avail.isValid() && avail.contains(beside))
        move(beside.topLeft());
    else
        ui::centreOn(this, mainFrame);
}

template <class Fill> void CompareWindow::withRecomputeHeld(Fill fill)
{
    ++held_;
    fill();
    --held_;
    recompute();
}

void CompareWindow::changed()
{
    fileNote_.clear();
    recompute();
}

gearing::SetTexts CompareWindow::aSet() const
{
    if (a_)
        return a_->texts;
    return mainFields_ ? mainFields_().texts.set : gearing::SetTexts{};
}

QString CompareWindow::aTitle() const
{
    if (a_)
        return a_->title;
    return mainFields_ ? q(mainFields_().texts.title) : QString();
}

void CompareWindow::copyIntoB(const gearing::SetTexts &t)
{
    withRecomputeHeld([&] { b_->setTexts(t); });
}

void CompareWindow::showA()
{
    const std::array<TPanel *, 14> panels = aPanels();
    const std::array<QString, 14> texts = a_ ? rowTexts(a_->texts) : std::array<QString, 14>{};
    for (std::size_t i = 0; i < panels.size(); ++i)
        setText(panels[i], a_ ? texts[i] : noValueText());
    B_VonA->setEnabled(a_.has_value());
}

void CompareWindow::mainRunChanged(const MainRun &run)
{
    a_ = run;
    mainFailure_.clear();
    showA();
    recompute();
}

void CompareWindow::mainRunFailed(const QString &message)
{
    mainFailure_ = message;
    showNote();
}

void CompareWindow::setVariantSprockets(const QString &front, const QString &rear)
{
    fileNote_.clear();
    withRecomputeHeld([&] {
        B_Edit4->setText(front);
        B_Edit5->setText(rear);
    });
}

void CompareWindow::recompute()
{
    if (held_)
        return;
    FieldReader read(decimalSeparator());
    gearing::PartialSet b;
    b.rim = read.decimal(B_Edit1);
    b.width = read.decimal(B_Edit2);
    b.height = read.decimal(B_Edit3);
    b.slip = read.integer(B_Schlupf);
    b.circumferenceTyped = !B_Umfang->text().isEmpty();
    b.circumference = read.optionalInteger(B_Umfang, Need::Positive);
    b.front = read.integer(B_Edit4, Need::Positive, MostTeeth);
    b.rear = read.integer(B_Edit5, Need::Positive, MostTeeth);
    b.primary = read.decimal(B_Edit6);
    QLineEdit *const gears[6] = {B_Edit7, B_Edit8, B_Edit9, B_Edit10, B_Edit11, B_Edit12};
    for (std::size_t g = 0; g < 6; ++g)
        b.gears[g] = read.decimal(gears[g]);
    const bool bConverts = read.ok();
    const std::optional<double> cruise = read.speed(E_Reise, Need::NotNegative);

    std::optional<gearing::Marks> marks;
    if (a_)
        marks = gearing::Marks{a_->set.shiftMark, a_->set.redZone};
    const gearing::SetValues a =
        a_ ? gearing::valuesOf(gearing::partialOf(a_->set), marks) : gearing::SetValues{};
    const gearing::SetValues bv = gearing::valuesOf(b, marks);

    // Only a variant that computes goes to the main window.
    B_Uebernehmen->setEnabled(bConverts && bv.message.empty());

    showPerformance(b, bConverts && bv.message.empty());

    std::vector<gearing::TrackPoint> points;
    const QString fieldNote = read.message(); // B's fields and the cruising speed come first
    shown_ = shownOf(a, bv, cruise, read, points);
    bNote_ = fieldNote;
    if (bNote_.isEmpty() && !bv.message.empty())
        bNote_ = q(withFullStop(bv.message));
    if (bNote_.isEmpty())
        bNote_ = read.message();
    show(shown_);
    Diagramm->setPlot(gearing::plotOf(a, bv, points, CB_Saegezahn->isChecked()), legend());
    showNote();
}

void CompareWindow::setPerformanceContext(const PerformanceContext &context) { GB_Leistung->setContext(context); }

void CompareWindow::showPerformance(const gearing::PartialSet &b, bool bComputes)
{
    std::optional<gearing::GearSet> bSet;
    if (bComputes) {
        gearing::GearSet g;
        g.rim = *b.rim;
        g.width = *b.width;
        g.height = *b.height;
        g.slip = *b.slip;
        if (b.circumferenceTyped)
            g.circumferenceOverride = b.circumference;
        g.front = *b.front;
        g.rear = *b.rear;
        g.primary = *b.primary;
        for (std::size_t k = 0; k < 6; ++k)
            g.gears[k] = *b.gears[k];
        bSet = g;
    }
    GB_Leistung->setSets(a_ ? std::optional(a_->set) : std::nullopt, bSet);
}

CompareWindow::Shown CompareWindow::shownOf(const gearing::SetValues &a, const gearing::SetValues &b,
                                            std::optional<double> cruise, FieldReader &read,
                                            std::vector<gearing::TrackPoint> &plotted) const
{
    Shown s;
    s.finalA = ratioOrDash(a.finalDrive);
    s.finalB = ratioOrDash(b.finalDrive);
    const auto finalChange = gearing::changePercent(a.finalDrive, b.finalDrive);
    s.finalChange = finalChange ? signedPercentText(*finalChange) : noValueText();
    s.circumferenceA = intText(a.circumference);
    s.circumferenceB = intText(b.circumference);
    s.cruise = E_Reise->text();
    s.cruiseA = cruise ? intText(a.engineSpeedShown(*cruise, 6)) : noValueText();
    s.cruiseB = cruise ? intText(b.engineSpeedShown(*cruise, 6)) : noValueText();

    for (int k = 1; k <= 6; ++k) {
        const std::size_t i = std::size_t(k - 1);
        const auto change = gearing::changePercent(a.ratio[i], b.ratio[i]);
        s.gears[i] = {ratioOrDash(a.ratio[i]),
                      ratioOrDash(b.ratio[i]),
                      change ? signedF2Text(*change) : noValueText(),
                      wholeSpeedOrDash(a.vmax[i]),
                      wholeSpeedOrDash(b.vmax[i]),
                      wholeSpeedOrDash(a.shiftSpeedShown[i]),
                      wholeSpeedOrDash(b.shiftSpeedShown[i]),
                      k < 6 ? intText(a.rpmAfterShiftShown[i]) : QString(),
                      k < 6 ? intText(b.rpmAfterShiftShown[i]) : QString()};
    }

    const QStringList heads = pointHeads();
    for (int r = 0; r < PointRows; ++r) {
        Shown::Point p;
        auto typed = [&](int column) {
            const QTableWidgetItem *i = T_Punkte->item(r, column);
            return i ? i->text() : QString();
        };
        p.name = typed(PointName);
        p.kmh = typed(PointKmh);
        p.gear = typed(PointGear);
        double v = 0;
        const std::optional<int> g = gearOf(p.gear);
        if (p.filled()) {
            p.kmhProblem = read.decimalProblem(p.kmh, Need::NotNegative, v);
            if (!g)
                p.gearProblem = tr("%1 n'est pas un rapport de 1 à 6.").arg(shortenedForNote(p.gear));
            read.refuse(tr("Point %1 (%2)").arg(r + 1).arg(heads[PointKmh]), p.kmhProblem);
            read.refuse(tr("Point %1 (%2)").arg(r + 1).arg(heads[PointGear]), p.gearProblem);
        }
        // Checked as typed, in the chosen unit; worked out from the cell's km/h.
        const bool kmhOk =
            p.filled() && p.kmhProblem.isEmpty() &&
            num::tryParseDecimal(kmhCellText(T_Punkte->item(r, PointKmh)).toStdString(), decimalSeparator(), v);
        for (const auto &[values, rpm, red] : {std::tuple(&a, &p.rpmA, &p.redA), std::tuple(&b, &p.rpmB, &p.redB)}) {
            std::optional<std::int32_t> n;
            if (kmhOk && g)
                n = values->engineSpeedShown(v, *g);
            *rpm = p.filled() ? intText(n) : QString();
            *red = n && values->marks && *n > values->marks->redZone;
        }
        if (p.filled() && kmhOk && g)
            plotted.push_back({p.name.toStdString(), gearing::real(v), g});
        s.points.push_back(std::move(p));
    }
    return s;
}

void CompareWindow::show(const Shown &s)
{
    setText(P_Secondaire_A, s.finalA);
    setText(P_Secondaire_B, s.finalB);
    setText(P_Ecart_Secondaire, s.finalChange);
    setText(P_Umfang_A, s.circumferenceA);
    setText(P_Umfang_B, s.circumferenceB);
    setText(P_Reise_A, s.cruiseA);
    setText(P_Reise_B, s.cruiseB);
    for (int row = 0; row < 6; ++row)
        for (int c = 0; c < 9; ++c)
            setCell(T_Vergleich, row, c, s.gears[std::size_t(row)][c]);

    // Writing the results must not count as the rider's change.
    const QSignalBlocker block(T_Punkte);
    const QColor normalText = T_Punkte->palette().color(QPalette::Text);
    for (int r = 0; r < PointRows; ++r) {
        const Shown::Point &p = s.points[std::size_t(r)];
        // A cell that does not convert shows its text in red, the reason in its tip.
        auto flag = [&](int column, bool bad, const auto &why) {
            QTableWidgetItem *i = cell(T_Punkte, r, column);
            const QColor c = bad ? QColor(208, 0, 0) : normalText;
            if (i->foreground().color() != c)
                i->setForeground(c);
            const QString tip = bad ? why() : QString();
            if (i->toolTip() != tip)
                i->setToolTip(tip);
        };
        flag(PointKmh, !p.kmhProblem.isEmpty(), [&] { return p.kmhProblem; });
        flag(PointGear, !p.gearProblem.isEmpty(), [&] { return p.gearProblem; });
        for (const auto &[column, text, red] :
             {std::tuple(int(PointRpmA), &p.rpmA, p.redA), std::tuple(int(PointRpmB), &p.rpmB, p.redB)}) {
            QTableWidgetItem *out = cell(T_Punkte, r, column);
            setCell(T_Punkte, r, column, *text);
            const QBrush bg = red ? QBrush(RedZoneCell) : QBrush();
            if (out->background() != bg) {
                out->setBackground(bg);
                out->setForeground(red ? QBrush(Qt::white) : QBrush());
            }
        }
    }
}

QStringList CompareWindow::gearHeads() const
{
    return {tr("Démulti. A"), tr("Démulti. B"), tr("Écart %"),        tr("Vmax A"),        tr("Vmax B"),
            tr("Passage A"),  tr("Passage B"),  tr("Régime après A"), tr("Régime après B")};
}

QStringList CompareWindow::pointHeads() const
{
    return {tr("Point"), inSpeedUnit(tr("km/h")), tr("Rapport"), tr("Régime A"), tr("Régime B")};
}

void CompareWindow::showUnits()
{
    T_Punkte->setHorizontalHeaderLabels(pointHeads());
    {
        const QSignalBlocker block(T_Punkte);
        for (int r = 0; r < PointRows; ++r)
            showKmhCell(cell(T_Punkte, r, PointKmh));
    }
    // The cruising speed's field shows itself anew and recomputes; the rest
    // is recomputed here.
    recompute();
}

void CompareWindow::showNote()
{
    QStringList lines;
    if (!mainFailure_.isEmpty())
        lines << shortenedForNote(tr("La fenêtre principale ne calcule pas : ") + shownMessage(mainFailure_));
    else if (!a_)
        lines << tr("La fenêtre principale n'a pas encore calculé : A suit son prochain calcul.");
    if (!fileNote_.isEmpty())
        lines << shortenedForNote(shownMessage(fileNote_));
    else if (!bNote_.isEmpty())
        lines << shortenedForNote(shownMessage(bNote_));
    setText(L_Hinweis, lines.join(QLatin1Char('\n')));
    // A long message may not fit the two lines; the tip holds all of it.
    L_Hinweis->setToolTip(L_Hinweis->text());
}

CompareLegend CompareWindow::legend() const
{
    CompareLegend l;
    l.a = tr("A  Actuel %1/%2")
              .arg(a_ ? brief(q(a_->texts.front)) : noValueText(), a_ ? brief(q(a_->texts.rear)) : noValueText());
    l.b = tr("B  Variante %1/%2").arg(brief(B_Edit4->text()), brief(B_Edit5->text()));
    if (a_) {
        l.shift = tr("Passage à %1 tr/min").arg(a_->set.shiftMark);
        l.redZone = tr("Zone rouge dès %1 tr/min").arg(a_->set.redZone);
    }
    l.rpmAxis = tr("Régime x 1000");
    l.kmhAxis = inSpeedUnit(tr("km/h"));
    l.speedUnit = currentUnits().speed;
    l.waiting = tr("Le diagramme attend un calcul de la fenêtre principale.");
    return l;
}

void CompareWindow::B_VonAClick()
{
    if (!a_)
        return;
    fileNote_.clear();
    copyIntoB(a_->texts);
}

void CompareWindow::B_OeffnenClick()
{
    const QString path = platform().getOpenFileName(this, tr("Werte für Trovanta öffnen ..."),
                                                    QString::fromUtf8(GearFileFilter));
    if (path.isEmpty())
        return;
    files::DecodedGear gear;
    try {
        gear = files::readGearFile(path);
    } catch (const Error &e) {
        fileNote_ = q(withFullStop(e.message()));
        showNote();
        return;
    }
    // The file's title, shift mark and red zone are A's business; B's slip
    // and circumference are not in the file.
    files::GearFileTexts t = files::gearTexts(gear.record, decimalSeparator());
    t.set.slip = B_Schlupf->text().toStdString();
    withRecomputeHeld([&] { b_->setFields(t.set); });
    fileNote_ = gear.complete ? QString() : QString::fromUtf8(files::msg::MissingMarks);
    showNote();
}

void CompareWindow::B_SpeichernClick()
{
    const QString path = platform().getSaveFileName(this, tr("Werte speichern ..."),
                                                    QString::fromUtf8(GearFileFilter),
                                                    QString::fromUtf8(GearFileSuffix));
    if (path.isEmpty())
        return;
    // A's marks as its run converted them; before the first run, as the
    // main window's fields hold them.
    files::GearFileTexts t{b_->texts(), aTitle(), {}, {}};
    if (a_) {
        t.shiftMark = num::formatInt(a_->set.shiftMark);
        t.redZone = num::formatInt(a_->set.redZone);
    } else if (mainFields_) {
        const gearing::Input main = mainFields_().texts;
        t.shiftMark = main.shiftMark;
        t.redZone = main.redZone;
    }
    try {
        files::writeGearFile(path, files::gearRecordFromTexts(t, decimalSeparator()));
        fileNote_.clear();
    } catch (const Error &e) {
        fileNote_ = q(withFullStop(e.message()));
    }
    showNote();
}

void CompareWindow::B_UebernehmenClick() { emit applyRequested(b_->texts()); }

print::CompareSheetData CompareWindow::sheetData() const
{
    print::CompareSheetData d;
    d.subtitle = tr("Comparaison") + QLatin1Char(' ') + (a_ ? a_->title : QString());
    d.setsCaption = tr("Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6");
    // "A  Actuel : 17/38 · 190/50-17 · 3 % · 1953 mm · 1,84 · 2,67 1,93 1,50 1,23 1,09 1,00",
    // every text put in at once, so that a typed "%1" stays as typed.
    auto line = [](const QString &head, const std::array<QString, 14> &t, const QString &circumference) {
        return tr("%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10")
            .arg(head, t[5], t[6], t[1], t[2], t[0], t[3], circumference, t[7],
                 QStringList(t.begin() + 8, t.end()).join(QLatin1Char(' ')));
    };
    std::array<QString, 14> aRow;
    if (a_)
        aRow = rowTexts(a_->texts);
    else
        aRow.fill(noValueText());
    const std::array<QString, 14> bRow = rowTexts(b_->texts());
    const Shown &s = shown_;
    d.setA = line(tr("A  Actuel"), aRow, s.circumferenceA);
    d.setB = line(tr("B  Variante"), bRow, s.circumferenceB);

    d.plot = Diagramm->plot();
    const CompareLegend l = legend();
    d.rpmCaption = l.rpmAxis;
    d.kmhCaption = l.kmhAxis;
    d.speedUnit = l.speedUnit;
    d.legendA = l.a;
    d.legendB = l.b;
    d.legendShift = l.shift;
    d.legendRedZone = l.redZone;

    d.gearCaption = tr("Rapport");
    d.comparisonHeads = gearHeads();
    d.comparisonRows = s.gears;

    d.results << tr("Secondaire : A %1 · B %2 · écart %3").arg(s.finalA, s.finalB, s.finalChange)
              << tr("Développement (mm) : A %1 · B %2").arg(s.circumferenceA, s.circumferenceB)
              << inSpeedUnit(tr("Régime à %1 km/h en 6e : A %2 · B %3")).arg(s.cruise, s.cruiseA, s.cruiseB);

    d.pointHeads = pointHeads();
    for (const Shown::Point &p : s.points)
        if (p.filled())
            d.points.push_back({p.name, p.kmh, p.gear, p.rpmA, p.rpmB});
    return d;
}

void CompareWindow::B_DruckenClick()
{
    print::PrintoutPrinter printer(tr("Comparaison") + (a_ ? QLatin1Char(' ') + a_->title : QString()),
                                   print::DialogRange::FirstPageOnly);
    if (!platform().execPrintDialog(this, printer))
        return;
    const print::CompareSheetData data = sheetData();
    const QDateTime now = platform().now();
    const QLocale locale = platform().locale();
    if (!print::printTo(printer, [&](print::Canvas &c) { print::printCompareSheet(c, data, now, locale); }))
        platform().showMessage(this, QString::fromUtf8(print::msg::PrinterCheck));
}

void CompareWindow::readSettings(const files::SettingsReader &ini)
{
    const QString variante = QStringLiteral("Variante");
    const std::array<QLineEdit *, 14> fields = bFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(ini.readString(variante, QString::fromLatin1(SetRows[i].key), fields[i]->text()));
    if (auto *f = E_Reise->findChild<SpeedField *>(QString(), Qt::FindDirectChildrenOnly))
        f->setKmhText(ini.readString(QStringLiteral("Reise"), QStringLiteral("Tempo"), f->kmhText()));
    const QString punkte = QStringLiteral("Punkte");
    for (int r = 0; r < PointRows; ++r) {
        const QString n = QString::number(r + 1);
        cell(T_Punkte, r, PointName)->setText(ini.readString(punkte, QStringLiteral("Name") + n, QString()));
        setKmhCell(cell(T_Punkte, r, PointKmh), ini.readString(punkte, QStringLiteral("Tempo") + n, QString()));
        cell(T_Punkte, r, PointGear)->setText(ini.readString(punkte, QStringLiteral("Gang") + n, QString()));
    }
}

void CompareWindow::writeSettings(files::SettingsWriter &ini) const
{
    const QString variante = QStringLiteral("Variante");
    const std::array<QLineEdit *, 14> fields = bFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        ini.writeString(variante, QString::fromLatin1(SetRows[i].key), fields[i]->text());
    ini.writeString(QStringLiteral("Reise"), QStringLiteral("Tempo"), kmhTextOf(E_Reise));
    const QString punkte = QStringLiteral("Punkte");
    for (int r = 0; r < PointRows; ++r) {
        const QString n = QString::number(r + 1);
        ini.writeString(punkte, QStringLiteral("Name") + n, T_Punkte->item(r, PointName)->text());
        ini.writeString(punkte, QStringLiteral("Tempo") + n, kmhCellText(T_Punkte->item(r, PointKmh)));
        ini.writeString(punkte, QStringLiteral("Gang") + n, T_Punkte->item(r, PointGear)->text());
    }
}

AnalysisWindow *createCompareWindow(TForm1 *main)
{
    QPointer<TForm1> m(main);
    auto *w = new CompareWindow(main, main ? main->lastGoodRun() : std::nullopt,
                                [m] { return m ? m->currentFields() : MainFields{}; });
    if (main)
        QObject::connect(w, &CompareWindow::applyRequested, main, &TForm1::setGearSet);
    return w;
}

} // namespace trovanta::ui
