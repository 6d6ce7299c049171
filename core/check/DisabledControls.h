#pragma once
// Keeps the data-aware controls of a dataset from repainting while rows change, and lets them
// repaint again on every way out of the scope.

#include "platform/data/ClientDataSet.h"

class DisabledControls {
public:
    enum Mode { Always, UnlessAlreadyDisabled };

    explicit DisabledControls(qx::ClientDataSet& dataSet, Mode mode = Always)
        : dataSet_(dataSet), disabled_(mode == Always || !dataSet.controlsDisabled())
    {
        if (disabled_)
            dataSet_.disableControls();
    }
    ~DisabledControls()
    {
        if (disabled_)
            dataSet_.enableControls();
    }
    DisabledControls(const DisabledControls&) = delete;
    DisabledControls& operator=(const DisabledControls&) = delete;

private:
    qx::ClientDataSet& dataSet_;
    bool disabled_;
};
