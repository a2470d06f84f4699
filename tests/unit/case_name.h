// Test names for table-driven cases, made from each case's description.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// "back-space to zero" becomes back_space_to_zero.
inline std::string CaseName(const char* description) {
    std::string name = description;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

// The name generator of INSTANTIATE_TEST_SUITE_P for cases with a `Field` description.
#define CASE_NAMES(Case, Field) \
    [](const testing::TestParamInfo<Case>& info) { return CaseName(info.param.Field); }
