#include "vocabulary.h"

#include <QCoreApplication>

namespace Vocabulary {

namespace {

// QT_TRANSLATE_NOOP lets lupdate find the texts under the entry form's context.
const char *const IlluminationTexts[] = {
    "",
    QT_TRANSLATE_NOOP("HueTestFormWidget", "D50"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "D65"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "D75"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "CWF"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "A"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "TL84"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "U3000"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Other"),
};

const char *const LocationTexts[] = {
    "",
    QT_TRANSLATE_NOOP("HueTestFormWidget", "North America"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "South America"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Central America"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Europe"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Asia"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Africa"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Australia"),
};

const char *const IndustryTexts[] = {
    "",
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Academic"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Food"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Furniture"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Gov't"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Medical"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Packaging"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Paint"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Paper"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Pigment/Colorant manufacturer"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Plastic"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Printer"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Automotive"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Sign Printer"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Stains"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Textile - Creative"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Textile - Manufacturing"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Other"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Construction"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Consumer Products"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Cosmetic"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Design - Architectural/Interior"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Design - Graphic"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Design - Industrial"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Design - Product"),
};

const char *const JobTexts[] = {
    "",
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Quality Control"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Color Formulation"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Color Specification"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Creative"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "Other"),
};

const char *const ExperienceTexts[] = {
    "",
    QT_TRANSLATE_NOOP("HueTestFormWidget", "0 - 2 years"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "3 - 5 years"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "6 - 10 years"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "11 - 20 years"),
    QT_TRANSLATE_NOOP("HueTestFormWidget", "20 + years"),
};

// The preferences dialog offers the same lists for the new-record defaults
// under its own context; these marks only make lupdate collect them there too.
[[maybe_unused]] const char *const PreferencesMarks[] = {
    QT_TRANSLATE_NOOP("preferences", "D50"),
    QT_TRANSLATE_NOOP("preferences", "D65"),
    QT_TRANSLATE_NOOP("preferences", "D75"),
    QT_TRANSLATE_NOOP("preferences", "CWF"),
    QT_TRANSLATE_NOOP("preferences", "A"),
    QT_TRANSLATE_NOOP("preferences", "TL84"),
    QT_TRANSLATE_NOOP("preferences", "U3000"),
    QT_TRANSLATE_NOOP("preferences", "Other"),
    QT_TRANSLATE_NOOP("preferences", "North America"),
    QT_TRANSLATE_NOOP("preferences", "South America"),
    QT_TRANSLATE_NOOP("preferences", "Central America"),
    QT_TRANSLATE_NOOP("preferences", "Europe"),
    QT_TRANSLATE_NOOP("preferences", "Asia"),
    QT_TRANSLATE_NOOP("preferences", "Africa"),
    QT_TRANSLATE_NOOP("preferences", "Australia"),
    QT_TRANSLATE_NOOP("preferences", "Academic"),
    QT_TRANSLATE_NOOP("preferences", "Food"),
    QT_TRANSLATE_NOOP("preferences", "Furniture"),
    QT_TRANSLATE_NOOP("preferences", "Gov't"),
    QT_TRANSLATE_NOOP("preferences", "Medical"),
    QT_TRANSLATE_NOOP("preferences", "Packaging"),
    QT_TRANSLATE_NOOP("preferences", "Paint"),
    QT_TRANSLATE_NOOP("preferences", "Paper"),
    QT_TRANSLATE_NOOP("preferences", "Pigment/Colorant manufacturer"),
    QT_TRANSLATE_NOOP("preferences", "Plastic"),
    QT_TRANSLATE_NOOP("preferences", "Printer"),
    QT_TRANSLATE_NOOP("preferences", "Automotive"),
    QT_TRANSLATE_NOOP("preferences", "Sign Printer"),
    QT_TRANSLATE_NOOP("preferences", "Stains"),
    QT_TRANSLATE_NOOP("preferences", "Textile - Creative"),
    QT_TRANSLATE_NOOP("preferences", "Textile - Manufacturing"),
    QT_TRANSLATE_NOOP("preferences", "Construction"),
    QT_TRANSLATE_NOOP("preferences", "Consumer Products"),
    QT_TRANSLATE_NOOP("preferences", "Cosmetic"),
    QT_TRANSLATE_NOOP("preferences", "Design - Architectural/Interior"),
    QT_TRANSLATE_NOOP("preferences", "Design - Graphic"),
    QT_TRANSLATE_NOOP("preferences", "Design - Industrial"),
    QT_TRANSLATE_NOOP("preferences", "Design - Product"),
    QT_TRANSLATE_NOOP("preferences", "Quality Control"),
    QT_TRANSLATE_NOOP("preferences", "Color Formulation"),
    QT_TRANSLATE_NOOP("preferences", "Color Specification"),
    QT_TRANSLATE_NOOP("preferences", "Creative"),
    QT_TRANSLATE_NOOP("preferences", "0 - 2 years"),
    QT_TRANSLATE_NOOP("preferences", "3 - 5 years"),
    QT_TRANSLATE_NOOP("preferences", "6 - 10 years"),
    QT_TRANSLATE_NOOP("preferences", "11 - 20 years"),
    QT_TRANSLATE_NOOP("preferences", "20 + years"),
};

template <size_t N> QStringList toList(const char *const (&texts)[N], const char *context)
{
    QStringList list;
    list.reserve(int(N));
    for (const char *text : texts)
        list.append(context && *text ? QCoreApplication::translate(context, text)
                                     : QString::fromLatin1(text));
    return list;
}

QStringList build(Kind kind, const char *context)
{
    switch (kind) {
    case Illumination:
        return toList(IlluminationTexts, context);
    case Location:
        return toList(LocationTexts, context);
    case Industry:
        return toList(IndustryTexts, context);
    case Job:
        return toList(JobTexts, context);
    case Experience:
        return toList(ExperienceTexts, context);
    }
    return {};
}

} // namespace

QStringList sources(Kind kind)
{
    return build(kind, nullptr);
}

QStringList translated(Kind kind, const char *context)
{
    return build(kind, context);
}

} // namespace Vocabulary
