#pragma once
// A register in a temporary folder, attached by a data module as at a
// successful start-up, with message boxes recorded.

#include "Messages.h"
#include "RegisterFile.h"
#include "Udm.h"

#include <gtest/gtest.h>

namespace qh::test {

class StartedRegister : public ::testing::Test {
protected:
    void SetUp() override
    {
        FrmDM.DataModuleCreate();
        ASSERT_TRUE(FrmDM.Connected());
        ASSERT_TRUE(Messages.entries.isEmpty());
    }

    TRegisterFile Register;
    RecordedMessages Messages;
    TFrmDM FrmDM{Register.Folder()};
};

} // namespace qh::test
