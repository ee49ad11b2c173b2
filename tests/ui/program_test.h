#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "ui/program.h"
#include "ui/table/table_window.h"

namespace tavexo::uitest {

// The base of the Qt Test suites that drive the whole program. Before every
// case it starts the program as on a first start: in a new, empty data
// folder (no settings, profiles or files of an earlier case), with the quick
// table of QuickTable. After the case the program ends and the folder goes,
// also when the case made its settings folder read-only.
class ProgramTest : public QObject {
    Q_OBJECT
  protected:
    // Adjusts the configuration of each case's program before it starts.
    virtual void Configure(ProgramConfig&) {}

    Table& table() { return program_->GetTable(); }
    TableWindow& window() { return program_->Window(); }
    // A path in the case's data folder, for files a case writes itself.
    QString DataFile(const QString& name) const { return data_->filePath(name); }

    std::unique_ptr<Program> program_;

  private slots:
    void init();
    void cleanup();

  private:
    std::unique_ptr<QTemporaryDir> data_;
};

}  // namespace tavexo::uitest
