#pragma once

#include "text/GlycemiaUnit.h"

#include <QString>

class QWidget;

// The two helpers every part of the program shares.
class ZRUtility
{
public:
    // A modal alert with the text as its message and a single button; returns
    // when it is dismissed.
    static void showErrorWithTextMessagge(const QString &text, QWidget *parent = nullptr);
    // A glycemia in mg/dL as mmol/L.
    static float convertmgdLTommoLThisgdl(float mgdl) { return GlycemiaUnit::convertmgdLTommoLThisgdl(mgdl); }
};
