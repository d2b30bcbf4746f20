#pragma once

#include "PlainLabel.h"
#include "WordCells.h"

#include <QList>

namespace velmora {

// The cells the word field draws, as many as it could ever show: a found character as itself, a
// hidden one as '_'. A line may end after a blank between two words. A found Arabic letter
// takes the shape it has in the word (initial, medial or final), and found Arabic neighbours
// stand together, so that a found word reads as joined writing while each letter keeps its cell.
QList<PlainLabel::Cell> wordFieldCells(const WordCells &word);

} // namespace velmora
