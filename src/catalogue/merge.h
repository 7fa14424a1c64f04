// Folds new catalogue data ("category.new", "std_item.new") into the catalogue:
// delivered with an installation and merged at start-up, or written by an import.
#pragma once

#include "platform/files.h"

namespace pantrix {

class Ui;

enum class MergeMode
{
    StartUp,
    Import
};

// Decided by the lengths of the two item files alone:
//   items present, none new:  the new item file is dropped (and a "category.new"
//                             left by a stopped take of new files), but for an
//                             import, even one stopped before its merge, whose
//                             new categories are merged;
//   no items, new ones:       the new files become the catalogue;
//   both:                     merged without duplicates (at start-up only if the
//                             user agrees, unless the new files are what
//                             "import.txt" reads as, left by an import that
//                             stopped; otherwise the new files are dropped);
//                             new files that add nothing are dropped unasked.
// Both catalogue files are replaced in one step, so they end both old or both
// new. A failure, or a change that may not survive a power cut, is shown to the
// user. A merge stopped by a failure or a crash after that step is finished at
// the next start without a question; one stopped before it changed nothing.
void MergeNewCatalogue(const fs::path& dataFolder, Ui& ui, MergeMode mode);

// The same, with the outcome returned instead of shown.
Status MergeNewFiles(const fs::path& dataFolder, Ui& ui, MergeMode mode);

} // namespace pantrix
