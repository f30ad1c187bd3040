#pragma once

// The calculation sheet of a hull girder's section table: the settings, the
// method, the section to scale, the member table with its sums (over as many
// pages as it needs, its header row on each), and the results, gross and
// net. The numbers are the working table's, through girdertext.

#include "calcsheet.h"
#include "girder.h"
#include "sectionsheet.h"

#include <QString>

namespace corvane {

// `title` names the sheet (the document's name). Of the context, the time
// (now when not set), program and project are used; the deductions are the
// table's own.
CalcSheet girderSheet(const QString& title, const GirderTable& table,
                      const SheetContext& context = {});

} // namespace corvane
