#pragma once
// An empty birthday register in a temporary folder of its own, attached by
// a data module as at start-up, so that the main window can read its lists.

#include "Udm.h"

#include <QTemporaryDir>

#include <memory>

namespace qh::testing {

class TTestRegister {
public:
    TTestRegister();

    TFrmDM& DataModule() { return *FDataModule; }
    // Runs one statement on the program's connection.
    void Exec(const QString& statement);

private:
    QTemporaryDir FDir;
    std::unique_ptr<TFrmDM> FDataModule;
};

} // namespace qh::testing
