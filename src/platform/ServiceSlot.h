#pragma once

namespace platform {

// Where a platform service is found: the one a test installed, or else the
// program's standard one, made on first use.
template <class Interface, class Standard>
class ServiceSlot final {
public:
    ServiceSlot() = delete;

    static Interface& current() {
        static Standard standard;
        return installed() ? *installed() : standard;
    }

    // nullptr goes back to the standard service.
    static void install(Interface* service) { installed() = service; }

private:
    static Interface*& installed() {
        static Interface* service = nullptr;
        return service;
    }
};

} // namespace platform
