#pragma once
// A scratch program directory for one test, so that the settings files the
// windows read and write never lie beside the test binary.

#include "files/mainsettings.h"
#include "files/profiletext.h"
#include "support/profile_oracle.h"
#include "files/programdir.h"

#include <QFile>
#include <QTemporaryDir>

namespace trovanta::test {

class ScratchProgramDirectory {
public:
    ScratchProgramDirectory() { files::setProgramDirectoryForTesting(dir_.path()); }
    ~ScratchProgramDirectory() { files::setProgramDirectoryForTesting(QString()); }
    ScratchProgramDirectory(const ScratchProgramDirectory &) = delete;
    ScratchProgramDirectory &operator=(const ScratchProgramDirectory &) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

    // A main settings file that gives back the form's own values: without
    // a file the shift mark, red zone and title would start at the file's
    // defaults instead.
    void holdFormValues() const
    {
        QFile::remove(files::mainSettingsPath());
        trovanta::test::ProfileFile ini(files::mainSettingsPath());
        ini.writeString("Marke", "Schaltpunkt", "6000");
        ini.writeString("Marke", "RoterBereich", "12000");
        ini.writeString("Bezeichnung", "Name", QString::fromUtf8("Übersetzungsdiagramm Suzuki TL 1000 S '97 original"));
    }

private:
    QTemporaryDir dir_;
};

} // namespace trovanta::test
