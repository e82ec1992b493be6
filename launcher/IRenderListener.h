#pragma once

class CLayeredButton;

// What a layered button asks of the window that composes it: a new composition pass.
struct IRenderListener {
    virtual ~IRenderListener() = default;
    virtual void OnRender(CLayeredButton* sender) = 0;
};
