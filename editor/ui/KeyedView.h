// A view of one record among many of a kind: an object (keyed by its
// index) or a dynamic segment (keyed by its number). The main window gives
// it the key of the selected tree node before it reads the record, and
// asks it for the node's text while its form holds edits not yet stored.
#pragma once

#include <QString>

#include <cstdint>

#include "editor/ui/EdsView.h"

namespace brenmoor {

class CKeyedView : public CEdsView {
public:
    virtual void SetKey(uint32_t key) = 0;
    virtual uint32_t Key() const = 0;
    // The tree node's text for the values the form holds now (the object's
    // ObjectNodeText with the parameter name as it stands in the main form,
    // or the segment's SegmentNodeText for the chosen type and direction).
    virtual QString CurrentNodeText() = 0;
};

}  // namespace brenmoor
