#pragma once

// A stand-in for a platform service, installed in its place for as long as
// it lives.
template <class Service>
class Installed : public Service {
public:
    Installed() { Service::install(this); }
    ~Installed() override { Service::install(nullptr); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};
