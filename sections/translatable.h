#pragma once

// Marks a text of the section descriptions for translation without changing
// it: the descriptions stay plain C++ and keep their Chinese, which the batch
// tool and the Chinese program use as they are. lupdate reads the mark as
// QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=CORVANE_TR_NOOP),
// and the windows and the sheet translate the text where they show it:
//     QCoreApplication::translate(sectionTextContext, description.caption)
// The context must be the literal string below in every mark.
#define CORVANE_TR_NOOP(context, text) text

namespace corvane {

inline constexpr const char* sectionTextContext = "SectionKind";

} // namespace corvane
