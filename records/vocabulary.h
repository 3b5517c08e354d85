#pragma once

#include <QStringList>

// The fixed choice lists of a record (illumination, location, industry, job
// function, experience). Index 0 is always the empty entry; the new-record
// defaults of the settings are indexes into these lists, and a stored record
// holds the displayed text of the chosen entry.
namespace Vocabulary {

enum Kind
{
    Illumination,
    Location,
    Industry,
    Job,
    Experience
};

// The English source texts, index for index.
QStringList sources(Kind kind);

// The same entries through the translation of the given context
// (the entry form uses "HueTestFormWidget").
QStringList translated(Kind kind, const char *context = "HueTestFormWidget");

} // namespace Vocabulary
