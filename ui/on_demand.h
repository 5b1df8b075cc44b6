#pragma once

#include <functional>
#include <optional>
#include <utility>

// A region of the window built the first time something needs it, so that start-up does not pay
// for what the user may never open. `make` builds its controls and puts them in place; `settle`
// then binds them and hands them their fields. The region counts as built from the moment `make`
// returns, so that a handler that settling sets off finds it.
template <typename Form> class OnDemand {
public:
    OnDemand(std::function<Form()> make, std::function<void(const Form &)> settle)
        : make_(std::move(make)), settle_(std::move(settle)) {}

    bool isBuilt() const { return form_.has_value(); }

    // The region, built now if it was not.
    const Form &get() {
        if (!form_) {
            form_ = make_();
            settle_(*form_);
        }
        return *form_;
    }

    // The region, or nullptr while it is not built.
    const Form *ifBuilt() const { return form_ ? &*form_ : nullptr; }

private:
    std::function<Form()> make_;
    std::function<void(const Form &)> settle_;
    std::optional<Form> form_;
};
