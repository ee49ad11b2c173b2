#include "program_test.h"

#include <QFile>
#include <QTest>

#include "ui_fixture.h"

namespace tavexo::uitest {

void ProgramTest::init() {
    data_ = std::make_unique<QTemporaryDir>();
    QVERIFY(data_->isValid());
    program_ =
        StartProgram(data_->path(), true, [this](ProgramConfig& config) { Configure(config); });
    QuickTable(*program_);
}

void ProgramTest::cleanup() {
    QString settings;
    if (program_) settings = QString::fromStdString(program_->Folders().settingsFolder);
    if (settings.endsWith(QLatin1Char('/'))) settings.chop(1);
    program_.reset();
    // A folder made read-only must be writable again to be removed.
    if (!settings.isEmpty())
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    data_.reset();
}

}  // namespace tavexo::uitest
