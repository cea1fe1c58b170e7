// The main window's files: the main settings file and the gear data file.

#include "ui/tform1.h"

#include "ui/typedlimit.h"

#include "calc/error.h"
#include "calc/numtext.h"
#include "files/fileerror.h"
#include "files/geardata.h"
#include "files/mainsettings.h"
#include "files/settingsfile.h"
#include "ui/geardialogs.h"
#include "ui/language.h"
#include "ui/gearsetbinder.h"
#include "ui/platform.h"
#include "ui/settingfields.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using namespace trovanta;

namespace {

template <class Control> Control *settingField(const TForm1 &w, std::size_t row)
{
    // Only the client area: the secondary windows, children of the main
    // window too, have fields of the same names.
    const char *name = ui::MainSettingFields[row].field;
    auto *c = w.centralWidget()->findChild<Control *>(QString::fromLatin1(name));
    Q_ASSERT_X(c, "main settings", name);
    return c;
}

// A decimal default follows the locale like the form's own defaults; other
// defaults and every stored text are taken as they stand.
QString settingDefault(const char *text)
{
    double ignored;
    if (num::tryParseDecimal(text, ',', ignored))
        return ui::localDecimal(text);
    return QString::fromUtf8(text);
}

// The dialogs move the current working directory to the chosen file's
// folder; the diagram bitmap goes there. Returns the file's absolute path.
QString enterFolderOf(const QString &chosen)
{
    const QFileInfo info(chosen);
    const QString path = info.absoluteFilePath();
    QDir::setCurrent(info.absolutePath());
    return path;
}

// The first gear data file among dropped URLs; empty when there is none.
QString droppedGearFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &u : data->urls())
        if (u.isLocalFile() && u.toLocalFile().endsWith(QLatin1String(".tva"), Qt::CaseInsensitive))
            return u.toLocalFile();
    return QString();
}

} // namespace

void TForm1::LoadIni()
{
    const files::SettingsReader ini(files::mainSettingsPath(), files::SettingsEncoding::Windows1252);
    for (std::size_t row = 0; row < files::MainSettings.size(); ++row) {
        const files::MainSetting &s = files::MainSettings[row];
        const QString section = QString::fromLatin1(s.section), key = QString::fromLatin1(s.key);
        switch (s.kind) {
        case files::SettingKind::Marker:
            break;
        case files::SettingKind::Text:
            ui::setFieldText(settingField<QLineEdit>(*this, row), ini.readString(section, key, settingDefault(s.defaultText)));
            break;
        case files::SettingKind::Switch:
            // A changed state acts as a click: gear boxes run, the
            // circumference switch changes mode before "Umfang" is read.
            settingField<QCheckBox>(*this, row)->setChecked(ini.readBool(section, key, s.defaultChecked));
            break;
        }
    }
}

void TForm1::SaveIni()
{
    files::SettingsWriter ini(files::mainSettingsPath());
    for (std::size_t row = 0; row < files::MainSettings.size(); ++row) {
        const files::MainSetting &s = files::MainSettings[row];
        const QString section = QString::fromLatin1(s.section), key = QString::fromLatin1(s.key);
        switch (s.kind) {
        case files::SettingKind::Marker:
            ini.writeString(section, key, QString::fromLatin1(s.defaultText));
            break;
        case files::SettingKind::Text:
            ini.writeString(section, key, settingField<QLineEdit>(*this, row)->text());
            break;
        case files::SettingKind::Switch:
            ini.writeBool(section, key, settingField<QCheckBox>(*this, row)->isChecked());
            break;
        }
    }
    ini.commit();
    if (options_ != storedOptions_) {
        ui::writeOptions(options_);
        storedOptions_ = options_;
    }
}

void TForm1::Wertespeichern1Click()
{
    const QString chosen =
        ui::platform().getSaveFileName(this, ui::translated(ui::GearDialogsContext, ui::GearSaveCaption),
                                       QString::fromUtf8(ui::GearFileFilter), QString::fromUtf8(ui::GearFileSuffix));
    if (!chosen.isEmpty()) {
        const QString path = enterFolderOf(chosen);
        try {
            const files::GearFileTexts t{gearSet_->texts(), Edit15->text(), EditMarke->text().toStdString(),
                                         EditRotBereich->text().toStdString()};
            // Every field converts before anything changes.
            const files::GearRecord record = files::gearRecordFromTexts(t, ui::decimalSeparator());
            P_Datei->setText(QFileInfo(path).fileName());
            files::writeGearFile(path, record);
        } catch (const Error &e) {
            ui::platform().showError(this, QString::fromStdString(e.message()));
            return;
        }
        rememberRecent(path);
    }
    Button_BerechnenClick();
}

void TForm1::OeffnenClick()
{
    const QString chosen =
        ui::platform().getOpenFileName(this, ui::translated(ui::GearDialogsContext, ui::GearOpenCaption),
                                       QString::fromUtf8(ui::GearFileFilter));
    if (!chosen.isEmpty())
        openGearFile(chosen);
}

bool TForm1::openGearFile(const QString &chosen)
{
    const QString path = enterFolderOf(chosen);
    P_Datei->setText(QFileInfo(path).fileName());
    files::DecodedGear gear;
    try {
        gear = files::readGearFile(path);
    } catch (const Error &e) {
        // A recent file that is gone leaves the list with its message.
        if (!QFileInfo::exists(path) && options_.recentFiles.removeAll(path) > 0)
            fillRecentMenu();
        ui::platform().showError(this, QString::fromStdString(e.message()));
        return false;
    }
    rememberRecent(path);
    if (!gear.complete)
        ui::platform().showMessage(this, QString::fromUtf8(files::msg::MissingMarks));

    files::GearFileTexts t = files::gearTexts(gear.record, ui::decimalSeparator());
    // The file holds no slip: the field keeps its own.
    t.set.slip = E_Schlupf->text().toStdString();
    // The shift mark and red zone start runs as they are set, each on a
    // half-filled gear set; the run below reports what the file gives.
    runErrors_ = RunErrors::Drop;
    ui::setFieldText(Edit15, t.title);
    gearSet_->setFields(t.set);
    EditMarke->setText(QString::fromStdString(t.shiftMark));
    EditRotBereich->setText(QString::fromStdString(t.redZone));
    runErrors_ = RunErrors::Show;
    Button_BerechnenClick();
    return true;
}

void TForm1::rememberRecent(const QString &path)
{
    options_.recentFiles = ui::withRecent(options_.recentFiles, path);
    fillRecentMenu();
}

void TForm1::fillRecentMenu()
{
    // Later: an entry may be the one whose click got here.
    for (QAction *a : Recents1->actions()) {
        Recents1->removeAction(a);
        a->deleteLater();
    }
    for (int i = 0; i < options_.recentFiles.size(); ++i) {
        const QString path = options_.recentFiles[i];
        // The number is the entry's key; "&" in a name is no mnemonic.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *a = Recents1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        a->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, path] { openGearFile(path); });
    }
    Recents1->setEnabled(!options_.recentFiles.isEmpty());
}

void TForm1::dragEnterEvent(QDragEnterEvent *e)
{
    if (!droppedGearFile(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *e)
{
    const QString path = droppedGearFile(e->mimeData());
    if (path.isEmpty())
        return;
    e->acceptProposedAction();
    // The drag source waits for the drop to return; the file opens after,
    // with its message boxes.
    QMetaObject::invokeMethod(this, [this, path] { openGearFile(path); }, Qt::QueuedConnection);
}
