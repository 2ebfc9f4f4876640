#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each instance of a parameterised test after the name field of its
// case, so that test lists and failures say which case ran.
struct CaseName
{
    template <typename Case>
    std::string operator() (const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};
