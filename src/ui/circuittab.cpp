#include "ui/circuittab.h"
#include "ui/units.h"

#include "calc/error.h"
#include "calc/messages.h"
#include "calc/numtext.h"
#include "files/cp1252.h"
#include "files/programdir.h"
#include "files/profiletext.h"
#include "files/settingsfile.h"
#include "ui/analysiswindow.h"
#include "ui/platform.h"
#include "ui/tpanel.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace trovanta::ui {

namespace {

// The list of circuits; a circuit may not take this name.
const QString ListSection = QStringLiteral("Circuits");
const QColor BadText(208, 0, 0);
const QColor MarkedRow(255, 220, 220);

QTableWidgetItem *cellOf(QTableWidget *t, int row, int column)
{
    QTableWidgetItem *i = t->item(row, column);
    if (!i) {
        i = new QTableWidgetItem;
        t->setItem(row, column, i);
    }
    return i;
}

QString q(const std::string &s) { return QString::fromStdString(s); }

QString f2(double v) { return q(num::formatF2(v, decimalSeparator())); }

// The program's message for a text that is no decimal, in the present language.
QString notFloat(const QString &text)
{
    return q(withFullStop(shownMessage(q(formatMessage(msg::NotFloat, text.toStdString()))).toStdString()));
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

CircuitTab::CircuitTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CircuitTab"));
    // The corners show their speeds, the results theirs, in the chosen unit.
    connect(&unitsHub(), &UnitsHub::changed, this, [this] {
        fill();
        recompute();
    });
    const QFontMetrics fm(font());

    P_Circuit = new QComboBox(this);
    P_Circuit->setObjectName(QStringLiteral("P_Circuit"));
    P_Circuit->setEditable(true);
    P_Circuit->setInsertPolicy(QComboBox::NoInsert);
    keepTranslated(P_Circuit, tx("trovanta::ui::CircuitTab", "nom d'un nouveau circuit, puis Entrée"),
                   [this](const QString &t) { P_Circuit->lineEdit()->setPlaceholderText(t); });
    keepToolTip(P_Circuit, tx("trovanta::ui::CircuitTab", "Vos circuits. Un nom nouveau suivi d'Entrée en ajoute un."));
    P_CircuitSuppr = button(this, "P_CircuitSuppr", tx("trovanta::ui::CircuitTab", "Supprimer"));
    keepToolTip(P_CircuitSuppr, tx("trovanta::ui::CircuitTab", "Supprime le circuit choisi"));
    P_Freinage = field(this, "P_Freinage", fm.horizontalAdvance(QStringLiteral("00,00")) + 14, localDecimal("1,0"));
    keepToolTip(P_Freinage, tx("trovanta::ui::CircuitTab",
                               "La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)"));

    P_Strecke = new QTableWidget(1, 4, this);
    P_Strecke->setObjectName(QStringLiteral("P_Strecke"));
    followUnits(P_Strecke, std::vector<Source>{tx("trovanta::ui::CircuitTab", "Virage"),
                                               tx("trovanta::ui::CircuitTab", "Vitesse mini (km/h)"),
                                               tx("trovanta::ui::CircuitTab", "Rapport"),
                                               tx("trovanta::ui::CircuitTab", "Ligne droite après (m)")});
    P_Strecke->setSelectionBehavior(QAbstractItemView::SelectRows);
    P_Strecke->setWordWrap(false);
    P_Strecke->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    P_Strecke->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    keepToolTip(P_Strecke, tx("trovanta::ui::CircuitTab",
                              "Un virage par ligne, dans l'ordre du tour ; la dernière ligne droite mène au "
                              "premier virage. Rapport vide : celui des passages optimaux à cette vitesse."));
    QHeaderView *sh = P_Strecke->horizontalHeader();
    sh->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    sh->setFixedHeight(2 * fm.lineSpacing() + 8);
    sh->setStretchLastSection(true);
    P_VirageSuppr = button(this, "P_VirageSuppr", tx("trovanta::ui::CircuitTab", "Supprimer le virage"));
    keepToolTip(P_VirageSuppr, tx("trovanta::ui::CircuitTab", "Supprime les virages choisis"));

    P_CircuitHinweis = noteLabel(this, "P_CircuitHinweis");
    P_CircuitHinweis->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    P_CircuitHinweis->setMinimumHeight(fm.lineSpacing());
    P_CircuitHinweis->setMaximumHeight(2 * fm.lineSpacing());

    P_CircuitErgebnis = new QTableWidget(0, 7, this);
    P_CircuitErgebnis->setObjectName(QStringLiteral("P_CircuitErgebnis"));
    followUnits(P_CircuitErgebnis, std::vector<Source>{tx("trovanta::ui::CircuitTab", "Ligne droite"),
                                                       tx("trovanta::ui::CircuitTab", "Temps (s)"),
                                                       tx("trovanta::ui::CircuitTab", "Au freinage (km/h)"),
                                                       tx("trovanta::ui::CircuitTab", "Rapport"),
                                                       tx("trovanta::ui::CircuitTab", "Régime (tr/min)"),
                                                       tx("trovanta::ui::CircuitTab", "Marge au limiteur"),
                                                       tx("trovanta::ui::CircuitTab", "Note")});
    P_CircuitErgebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    P_CircuitErgebnis->setSelectionMode(QAbstractItemView::NoSelection);
    P_CircuitErgebnis->setFocusPolicy(Qt::NoFocus);
    P_CircuitErgebnis->setWordWrap(false);
    P_CircuitErgebnis->verticalHeader()->hide();
    P_CircuitErgebnis->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    P_CircuitErgebnis->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    QHeaderView *rh = P_CircuitErgebnis->horizontalHeader();
    rh->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    rh->setFixedHeight(2 * fm.lineSpacing() + 8);
    rh->setStretchLastSection(true);
    sizeColumns();

    P_CircuitZeitCaption = new QLabel(this);
    P_CircuitZeitCaption->setObjectName(QStringLiteral("P_CircuitZeitCaption"));
    keepText(P_CircuitZeitCaption, tx("trovanta::ui::CircuitTab", "Temps des lignes droites (s)"));
    P_CircuitZeit = display(this, "P_CircuitZeit", fm.horizontalAdvance(QStringLiteral("0000,00")) + 16);
    const Source notALap = tx("trovanta::ui::CircuitTab",
                              "La somme des lignes droites, chacune du virage au point de freinage puis au "
                              "virage suivant. Ce n'est pas un temps au tour : dans ce modèle, les virages "
                              "eux-mêmes ne prennent aucun temps.");
    keepToolTip(P_CircuitZeitCaption, notALap);
    keepToolTip(P_CircuitZeit, notALap);
    auto label = [this](const Source &text) {
        auto *l = new QLabel(this);
        keepText(l, text);
        return l;
    };

    // The circuit and its braking above, the corners left, the straights right.
    auto *top = new QHBoxLayout;
    top->addWidget(label(tx("trovanta::ui::CircuitTab", "Circuit")));
    top->addWidget(P_Circuit);
    top->addWidget(P_CircuitSuppr);
    top->addSpacing(24);
    top->addWidget(label(tx("trovanta::ui::CircuitTab", "Freinage maxi (g)")));
    top->addWidget(P_Freinage);
    top->addStretch(1);

    auto *left = new QVBoxLayout;
    left->addWidget(P_Strecke, 1);
    auto *leftFoot = new QHBoxLayout;
    leftFoot->addWidget(P_VirageSuppr);
    leftFoot->addStretch(1);
    left->addLayout(leftFoot);

    auto *right = new QVBoxLayout;
    right->addWidget(P_CircuitErgebnis, 1);
    auto *sum = new QHBoxLayout;
    sum->addStretch(1);
    sum->addWidget(P_CircuitZeitCaption);
    sum->addWidget(P_CircuitZeit);
    right->addLayout(sum);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 0);
    body->addLayout(right, 1);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(P_CircuitHinweis);
    all->addLayout(body, 1);

    connect(P_Circuit->lineEdit(), &QLineEdit::returnPressed, this, &CircuitTab::nameEntered);
    connect(P_Circuit, qOverload<int>(&QComboBox::activated), this, &CircuitTab::choose);
    connect(P_CircuitSuppr, &QPushButton::clicked, this, &CircuitTab::removeCircuit);
    connect(P_VirageSuppr, &QPushButton::clicked, this, &CircuitTab::removeCorners);
    connect(P_Strecke, &QTableWidget::cellChanged, this, &CircuitTab::cornerEdited);
    connect(P_Freinage, &QLineEdit::textChanged, this, &CircuitTab::brakingEdited);

    loadCircuits();
    choose(circuits_.empty() ? -1 : 0);
}

// The columns as wide as their heads and usual contents in the present
// language.
void CircuitTab::sizeColumns()
{
    const QFontMetrics fm(font());
    // A head wraps at its blanks onto the two lines the header has: the
    // narrowest width that leaves it two lines at most.
    auto twoLines = [](const QTableWidget *t, int column) {
        const QTableWidgetItem *head = t->horizontalHeaderItem(column);
        const QString text = head ? head->text() : QString();
        const QFontMetrics hm(t->horizontalHeader()->font());
        int w = hm.horizontalAdvance(text);
        for (int at = text.indexOf(QLatin1Char(' ')); at >= 0; at = text.indexOf(QLatin1Char(' '), at + 1))
            w = std::min(w, std::max(hm.horizontalAdvance(text.left(at)), hm.horizontalAdvance(text.mid(at + 1))));
        return w;
    };
    const int numberWidth = fm.horizontalAdvance(tr("Ligne droite")) + 20;
    P_Strecke->setColumnWidth(CornerName, fm.horizontalAdvance(QStringLiteral("Courbe rapide 00")) + 12);
    P_Strecke->setColumnWidth(CornerKmh, std::max(numberWidth, twoLines(P_Strecke, CornerKmh) + 12));
    P_Strecke->setColumnWidth(CornerGear, fm.horizontalAdvance(tr("Rapport")) + 16);
    P_Strecke->setColumnWidth(CornerMetres, std::max(numberWidth, twoLines(P_Strecke, CornerMetres) + 12));
    int stretchWidth = P_Strecke->verticalHeader()->sizeHint().width() + 2 * P_Strecke->frameWidth() + 20;
    for (int c = 0; c < 4; ++c)
        stretchWidth += P_Strecke->columnWidth(c);
    P_Strecke->setMinimumWidth(stretchWidth);

    P_CircuitErgebnis->setColumnWidth(Straight, fm.horizontalAdvance(QStringLiteral("Courbe rapide → Virage 4")) + 14);
    P_CircuitErgebnis->setColumnWidth(Time, fm.horizontalAdvance(tr("Temps (s)")) + 20);
    P_CircuitErgebnis->setColumnWidth(BrakingKmh, fm.horizontalAdvance(tr("Au freinage")) + 20);
    P_CircuitErgebnis->setColumnWidth(Gear, fm.horizontalAdvance(tr("Rapport")) + 16);
    // On one line: wrapped, "(tr/min)" breaks after its slash.
    P_CircuitErgebnis->setColumnWidth(Rpm, fm.horizontalAdvance(tr("Régime (tr/min)")) + 16);
    P_CircuitErgebnis->setColumnWidth(Margin, fm.horizontalAdvance(tr("limiteur sur 0000 m")) + 14);
    P_CircuitErgebnis->setColumnWidth(Note, fm.horizontalAdvance(tr("sous la courbe")) + 24);
    for (int c = BrakingKmh; c <= Margin; ++c)
        P_CircuitErgebnis->setColumnWidth(c, std::max(P_CircuitErgebnis->columnWidth(c),
                                                      twoLines(P_CircuitErgebnis, c) + 12));
    // The hint for a new name in full.
    P_Circuit->setMinimumWidth(std::max(fm.horizontalAdvance(QStringLiteral("Circuit Paul Ricard 00")),
                                        fm.horizontalAdvance(P_Circuit->lineEdit()->placeholderText())) +
                               40);
}

void CircuitTab::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        sizeColumns();
        // A name just refused is said again in the new language.
        const std::optional<QString> refused = refused_;
        recompute();
        if (refused)
            if (const auto why = refusedName(*refused)) {
                P_CircuitHinweis->setText(*why);
                refused_ = refused;
            }
    }
    QWidget::changeEvent(e);
}

// ---- circuits.ini -----------------------------------------------------------

QString CircuitTab::settingsPath() { return files::programFile(QStringLiteral("circuits.ini")); }

void CircuitTab::loadCircuits()
{
    if (!files::settingsFileExists(settingsPath()))
        return;
    const files::SettingsReader ini(settingsPath());
    auto count = [&](const QString &section, int max) {
        std::int32_t n = 0;
        if (!num::tryParseInteger(ini.readString(section, QStringLiteral("Anzahl"), QString()).toStdString(), n))
            return 0;
        return std::clamp(n, 0, max);
    };
    // A file edited by hand may name a circuit twice; the first one counts.
    const int circuits = count(ListSection, 1000);
    for (int i = 1; i <= circuits; ++i) {
        const QString name = ini.readString(ListSection, QStringLiteral("Name%1").arg(i), QString()).trimmed();
        if (name.isEmpty() || refusedName(name))
            continue;
        Stored s;
        s.name = name;
        s.braking = ini.readString(name, QStringLiteral("Bremsung"), localDecimal("1,0"));
        const int rows = count(name, MaxCorners);
        for (int r = 1; r <= rows; ++r) {
            RowTexts t;
            static const char *const keys[4] = {"Kurve", "Tempo", "Gang", "Gerade"};
            for (std::size_t c = 0; c < 4; ++c)
                t[c] = ini.readString(name, QString::fromLatin1(keys[c]) + QString::number(r), QString());
            s.rows.push_back(t);
        }
        circuits_.push_back(std::move(s));
    }
}

void CircuitTab::saveCircuits() const
{
    files::SettingsWriter ini(settingsPath());
    ini.writeString(QStringLiteral("Program"), QStringLiteral("Inifile"), QStringLiteral("circuits"));
    // A circuit removed leaves its section empty behind (the file format
    // has no way to drop one).
    for (const QString &name : removed_) {
        const bool back = std::any_of(circuits_.begin(), circuits_.end(),
                                      [&](const Stored &s) { return sameName(s.name, name); });
        if (!back)
            ini.writeString(name, QStringLiteral("Anzahl"), QStringLiteral("0"));
    }
    ini.writeString(ListSection, QStringLiteral("Anzahl"), QString::number(circuits_.size()));
    for (std::size_t i = 0; i < circuits_.size(); ++i) {
        const Stored &s = circuits_[i];
        ini.writeString(ListSection, QStringLiteral("Name%1").arg(i + 1), s.name);
        ini.writeString(s.name, QStringLiteral("Bremsung"), s.braking);
        ini.writeString(s.name, QStringLiteral("Anzahl"), QString::number(s.rows.size()));
        for (std::size_t r = 0; r < s.rows.size(); ++r) {
            static const char *const keys[4] = {"Kurve", "Tempo", "Gang", "Gerade"};
            for (std::size_t c = 0; c < 4; ++c)
                ini.writeString(s.name, QString::fromLatin1(keys[c]) + QString::number(r + 1), s.rows[r][c]);
        }
    }
    ini.commit();
    edited_ = false;
}

// Why a name cannot be a circuit's: it must come back from the file as the
// same section.
std::optional<QString> CircuitTab::refusedName(const QString &name) const
{
    if (sameName(name, ListSection) || sameName(name, QStringLiteral("Program")))
        return tr("« %1 » est réservé : choisissez un autre nom.").arg(name);
    files::profiletext::Document probe{QByteArray()};
    if (files::cp1252::decode(files::cp1252::encode(name)) != name ||
        !probe.set(name, QStringLiteral("Anzahl"), QStringLiteral("0")))
        return tr("Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.");
    return std::nullopt;
}

// ---- The circuits -------------------------------------------------------------

QString CircuitTab::presentCircuitName() const
{
    return current_ >= 0 ? circuits_[static_cast<std::size_t>(current_)].name : QString();
}

void CircuitTab::setPresentCircuitName(const QString &name)
{
    for (std::size_t i = 0; i < circuits_.size(); ++i)
        if (sameName(circuits_[i].name, name.trimmed())) {
            choose(static_cast<int>(i));
            return;
        }
}

QStringList CircuitTab::circuitNames() const
{
    QStringList out;
    for (const Stored &s : circuits_)
        out << s.name;
    return out;
}

std::optional<PresentCircuit> CircuitTab::presentCircuit() const
{
    if (current_ < 0)
        return std::nullopt;
    const Stored &s = circuits_[static_cast<std::size_t>(current_)];
    return PresentCircuit{s.name, trackOf(s)};
}

circuit::Track CircuitTab::trackOf(const Stored &s) const
{
    const char sep = decimalSeparator();
    auto decimal = [sep](const QString &text) -> std::optional<double> {
        double v = 0;
        if (num::tryParseDecimal(text.toStdString(), sep, v))
            return v;
        return std::nullopt;
    };
    circuit::Track t;
    t.braking = decimal(s.braking);
    for (const RowTexts &r : s.rows) {
        circuit::Corner c;
        c.kmh = decimal(r[CornerKmh]);
        const QString gear = r[CornerGear].trimmed();
        if (!gear.isEmpty())
            c.gear = gear.size() == 1 && gear[0] >= u'1' && gear[0] <= u'6' ? gear[0].digitValue() : 0;
        c.metres = decimal(r[CornerMetres]);
        t.corners.push_back(c);
    }
    return t;
}

void CircuitTab::nameEntered()
{
    const QString name = P_Circuit->currentText().trimmed();
    if (name.isEmpty())
        return;
    for (std::size_t i = 0; i < circuits_.size(); ++i)
        if (sameName(circuits_[i].name, name))
            return choose(static_cast<int>(i));
    if (const auto why = refusedName(name)) {
        P_CircuitHinweis->setText(*why);
        refused_ = name;
        return;
    }
    circuits_.push_back({name, {}, localDecimal("1,0")});
    edited_ = true;
    choose(static_cast<int>(circuits_.size()) - 1);
}

void CircuitTab::choose(int index)
{
    current_ = index >= 0 && index < static_cast<int>(circuits_.size()) ? index : -1;
    fill();
    changed();
}

void CircuitTab::removeCircuit()
{
    if (current_ < 0)
        return;
    const QString name = presentCircuitName();
    if (!platform().ask(this, tr("Supprimer le circuit « %1 » et ses virages ?").arg(name)))
        return;
    removed_.push_back(name);
    edited_ = true;
    circuits_.erase(circuits_.begin() + current_);
    choose(std::min(current_, static_cast<int>(circuits_.size()) - 1));
}

void CircuitTab::removeCorners()
{
    if (current_ < 0)
        return;
    std::vector<RowTexts> &rows = circuits_[static_cast<std::size_t>(current_)].rows;
    std::set<int> chosen;
    for (const QModelIndex &i : P_Strecke->selectionModel()->selectedRows())
        if (i.row() < static_cast<int>(rows.size()))
            chosen.insert(i.row());
    if (chosen.empty())
        return;
    for (auto r = chosen.rbegin(); r != chosen.rend(); ++r)
        rows.erase(rows.begin() + *r);
    edited_ = true;
    fill();
    changed();
}

void CircuitTab::cornerEdited(int row, int column)
{
    if (filling_ || current_ < 0)
        return;
    std::vector<RowTexts> &rows = circuits_[static_cast<std::size_t>(current_)].rows;
    QString text = P_Strecke->item(row, column) ? P_Strecke->item(row, column)->text() : QString();
    // Corner speeds are typed in the chosen unit and kept in km/h.
    if (column == CornerKmh)
        text = storedText(Quantity::Speed, text);
    if (row >= static_cast<int>(rows.size())) {
        // Typing in the empty last row adds a corner, and a new empty row
        // below while there is room for one.
        if (text.isEmpty() || static_cast<int>(rows.size()) >= MaxCorners)
            return;
        rows.emplace_back();
        rows.back()[static_cast<std::size_t>(column)] = text;
        ++filling_;
        if (const int last = static_cast<int>(rows.size()); last < MaxCorners) {
            P_Strecke->setRowCount(last + 1);
            for (int c = 0; c < 4; ++c)
                cellOf(P_Strecke, last, c)->setTextAlignment(Qt::AlignVCenter |
                                                             (c == CornerName ? Qt::AlignLeft : Qt::AlignRight));
        }
        --filling_;
    } else {
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }
    edited_ = true;
    changed();
}

void CircuitTab::brakingEdited(const QString &text)
{
    if (filling_ || current_ < 0)
        return;
    circuits_[static_cast<std::size_t>(current_)].braking = text;
    edited_ = true;
    changed();
}

void CircuitTab::fill()
{
    ++filling_;
    {
        const QSignalBlocker block(P_Circuit);
        P_Circuit->clear();
        P_Circuit->addItems(circuitNames());
        P_Circuit->setCurrentIndex(current_);
        if (current_ < 0)
            P_Circuit->setEditText(QString());
    }
    const bool any = current_ >= 0;
    P_CircuitSuppr->setEnabled(any);
    P_VirageSuppr->setEnabled(any);
    P_Strecke->setEnabled(any);
    P_Freinage->setEnabled(any);
    const std::vector<RowTexts> none;
    const std::vector<RowTexts> &rows = any ? circuits_[static_cast<std::size_t>(current_)].rows : none;
    const int count = static_cast<int>(rows.size());
    P_Strecke->clearContents();
    P_Strecke->setRowCount(any && count < MaxCorners ? count + 1 : count);
    for (int r = 0; r < P_Strecke->rowCount(); ++r)
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem *i = cellOf(P_Strecke, r, c);
            const QString t = r < count ? rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] : QString();
            i->setText(c == CornerKmh ? shownText(Quantity::Speed, t) : t);
            i->setTextAlignment(Qt::AlignVCenter | (c == CornerName ? Qt::AlignLeft : Qt::AlignRight));
        }
    P_Freinage->setText(any ? circuits_[static_cast<std::size_t>(current_)].braking : localDecimal("1,0"));
    --filling_;
}

void CircuitTab::setModel(std::shared_ptr<const perf::Model> model)
{
    model_ = std::move(model);
    recompute();
}

void CircuitTab::changed()
{
    recompute();
    emit presentCircuitChanged(presentCircuit());
}

// ---- The results ----------------------------------------------------------------

QString CircuitTab::straightName(int corner) const
{
    const std::vector<RowTexts> &rows = circuits_[static_cast<std::size_t>(current_)].rows;
    auto name = [&](std::size_t r) {
        const QString typed = rows[r][CornerName].trimmed();
        return typed.isEmpty() ? tr("Virage %1").arg(r + 1) : typed;
    };
    const auto from = static_cast<std::size_t>(corner);
    return tr("%1 → %2").arg(name(from), name((from + 1) % rows.size()));
}

QString CircuitTab::problemText(const circuit::Problem &p) const
{
    using circuit::Field;
    using circuit::Reason;
    const Stored &s = circuits_[static_cast<std::size_t>(current_)];
    if (p.field == Field::Braking)
        return p.reason == Reason::NotANumber ? notFloat(s.braking)
                                              : tr("Le freinage maxi doit être supérieur à zéro.");
    const RowTexts &r = s.rows[static_cast<std::size_t>(p.row)];
    const QString corner = tr("Virage %1 : ").arg(p.row + 1);
    switch (p.field) {
    case Field::Speed:
        return corner + (p.reason == Reason::NotANumber
                             ? notFloat(r[CornerKmh])
                             : tr("la vitesse doit être supérieure à zéro."));
    case Field::Gear:
        return corner + tr("un rapport de 1 à 6, ou vide pour celui des passages optimaux.");
    case Field::Length:
        return corner + (p.reason == Reason::NotANumber
                             ? notFloat(r[CornerMetres])
                             : tr("la ligne droite doit être plus longue que zéro."));
    case Field::Braking:
        break;
    }
    return {};
}

void CircuitTab::markProblems(const std::vector<circuit::Problem> &problems)
{
    markField(P_Freinage, std::any_of(problems.begin(), problems.end(),
                                      [](const circuit::Problem &p) { return p.field == circuit::Field::Braking; }));
    const QColor normal = palette().color(QPalette::Text);
    ++filling_;
    for (int r = 0; r < P_Strecke->rowCount(); ++r)
        for (int c = 0; c < 4; ++c) {
            QString why;
            for (const circuit::Problem &p : problems) {
                const int column = p.field == circuit::Field::Speed   ? CornerKmh
                                   : p.field == circuit::Field::Gear  ? CornerGear
                                   : p.field == circuit::Field::Length ? CornerMetres
                                                                       : -1;
                if (p.row == r && column == c)
                    why = problemText(p);
            }
            QTableWidgetItem *i = cellOf(P_Strecke, r, c);
            const QColor colour = why.isEmpty() ? normal : BadText;
            if (i->foreground().color() != colour)
                i->setForeground(colour);
            if (i->toolTip() != why)
                i->setToolTip(why);
        }
    --filling_;
}

void CircuitTab::recompute()
{
    refused_.reset();
    P_CircuitErgebnis->setRowCount(0);
    P_CircuitZeit->setText(noValueText());
    if (current_ < 0) {
        markProblems({});
        P_CircuitHinweis->setText(circuits_.empty() ? tr("Tapez le nom d'un circuit puis Entrée pour l'ajouter.")
                                                    : QString());
        return;
    }
    const circuit::Track track = trackOf(circuits_[static_cast<std::size_t>(current_)]);
    const std::vector<circuit::Problem> problems = circuit::check(track);
    markProblems(problems);
    if (!problems.empty()) {
        P_CircuitHinweis->setText(problemText(problems.front()));
        return;
    }
    if (track.corners.empty()) {
        P_CircuitHinweis->setText(tr("Tapez les virages du circuit dans l'ordre du tour."));
        return;
    }
    if (!model_ || !model_->complete()) {
        P_CircuitHinweis->setText(tr("Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des "
                                        "valeurs de la moto complètes."));
        return;
    }
    P_CircuitHinweis->clear();
    showResults(track, circuit::lap(*model_, track));
}

void CircuitTab::showResults(const circuit::Track &track, const circuit::Lap &lap)
{
    const int n = static_cast<int>(lap.straights.size());
    P_CircuitErgebnis->setRowCount(n);
    const double nTop = model_->nTop().value_or(0);
    for (int j = 0; j < n; ++j) {
        const circuit::Straight &s = lap.straights[static_cast<std::size_t>(j)];
        const circuit::Corner &next = track.corners[static_cast<std::size_t>((j + 1) % n)];
        QStringList notes;
        QString time = noValueText(), atBraking = noValueText(), gear = noValueText(), rpm = noValueText(),
                margin = noValueText();
        switch (s.fault) {
        case circuit::Fault::None:
            time = f2(s.time);
            atBraking = wholeSpeedText(s.endKmh);
            gear = QString::number(s.endGear);
            rpm = wholeText(s.endRpm);
            margin = s.limiterMetres ? tr("limiteur sur %1 m").arg(wholeText(*s.limiterMetres))
                                     : wholeText(s.margin);
            break;
        case circuit::Fault::AboveLimiter:
            notes << tr("en %1e à %2, le moteur dépasse %3 tr/min")
                         .arg(s.gear)
                         .arg(speedWithUnit(s.startKmh), wholeText(nTop));
            break;
        case circuit::Fault::TooShort:
            notes << inSpeedUnit(tr("trop courte pour freiner de %1 à %2 km/h"))
                         .arg(wholeSpeedText(s.startKmh), wholeSpeedText(next.kmh.value_or(0)));
            break;
        case circuit::Fault::Stalled:
            notes << tr("la moto n'avance pas dans ce rapport");
            break;
        case circuit::Fault::TooLong:
            notes << tr("plus de dix minutes");
            break;
        }
        if (s.belowCurve)
            notes.prepend(tr("sous la courbe"));
        if (s.fault == circuit::Fault::None && !s.braked)
            notes << tr("virage suivant plus rapide : %1 au bout").arg(speedWithUnit(s.endKmh));
        const QStringList cells = {straightName(j), time, atBraking, gear, rpm, margin, notes.join(tr(" ; "))};
        const bool marked = s.fault != circuit::Fault::None;
        for (int c = 0; c < cells.size(); ++c) {
            QTableWidgetItem *i = cellOf(P_CircuitErgebnis, j, c);
            i->setText(cells[c]);
            i->setTextAlignment(Qt::AlignVCenter | (c == Straight || c == Note ? Qt::AlignLeft : Qt::AlignRight));
            i->setBackground(marked ? QBrush(MarkedRow) : QBrush());
            i->setToolTip(c == Note ? cells[c] : QString());
        }
    }
    P_CircuitZeit->setText(lap.sum ? f2(*lap.sum) : noValueText());
}

} // namespace trovanta::ui
