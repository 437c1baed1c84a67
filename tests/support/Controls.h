#pragma once

// The widget tests reach every window and control by its name, never through
// the program's own pointers to it.
#include "support/ControlLookup.h"

#include <gtest/gtest.h>

#include <source_location>
#include <stdexcept>

// The one control of type T with that objectName in the application's
// windows. When there is none or more than one, the test fails at the line
// that asked and stops there (GoogleTest takes the exception as the end of
// the test, not of the run).
template <class T> T *control(const char *objectName, std::source_location where = std::source_location::current())
{
    const QList<T *> found = controls::named<T>(objectName);
    if (found.size() != 1) {
        ADD_FAILURE_AT(where.file_name(), int(where.line())) << controls::whyNotOne<T>(objectName).toStdString();
        throw std::runtime_error("the test stops: a control is missing or ambiguous");
    }
    return found.first();
}
