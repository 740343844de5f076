#pragma once

namespace korvex::host {

// The host must never see an exception; there is nobody to tell, so nothing
// is shown or logged.
template <class F>
void Guarded(F&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

}  // namespace korvex::host
