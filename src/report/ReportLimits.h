#pragma once

#include <QtGlobal>

// How much a layout may ask of the program. A layout is a file the unit may
// edit, or that anyone may leave in the unit folder, so nothing in it may
// make printing take the machine's memory or hang: each limit below is far
// above what a roster or remarks layout needs, and far below what would hurt.
namespace calendrix::ReportLimits {

// The shipped layouts are about 3 KB; the text is held several times over
// while it is read and its texts compiled.
constexpr qint64 kMaxLayoutBytes = 1 << 20;

// The Mustache library keeps a copy of each section's text per level of
// nesting, so deep nesting costs depth times size; the shipped texts nest
// one deep at most.
constexpr int kMaxSectionDepth = 64;

// One text as filled in (a title or footer line is a few hundred bytes):
// bounds a text that repeats a section inside itself.
constexpr qint64 kMaxFilledInBytes = 64 << 20;

} // namespace calendrix::ReportLimits
