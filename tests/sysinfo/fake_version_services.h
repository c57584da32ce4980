#pragma once
// Fake version services for the product-name routine: a fake platform answers each declared
// function and records which functions were looked up and called, with what.
#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

struct FakePlatform {
    // What the fake functions report.
    BOOL versionResult = TRUE;
    BYTE productType = 1;
    WORD suiteMask = 0;
    DWORD architectureWord = 0;
    int32_t major = 10;
    int32_t minor = 0;
    int serverR2Metric = 0;
    uint32_t productInfoType = 48;
    std::set<std::string> unexported;  // functions that the lookup does not find

    // What happened.
    std::vector<std::string> lookups;  // "library!function", in order
    std::vector<std::string> calls;    // function names, in order
    std::vector<std::string> problems; // arguments that were not as the platform expects
};

// Installs the fake platform: forgets every bound address and puts the fake lookup in place.
// The destructor restores the program's own lookup and forgets the fakes' addresses.
class FakeVersionServices {
public:
    explicit FakeVersionServices(FakePlatform& platform);
    ~FakeVersionServices();
    FakeVersionServices(const FakeVersionServices&) = delete;
    FakeVersionServices& operator=(const FakeVersionServices&) = delete;
};

void ForgetBoundFunctions();
