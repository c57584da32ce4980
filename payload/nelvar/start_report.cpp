#include "start_report.h"

#include <windows.h>

#include "../common/heap_array.h"

namespace {

// Wide text that grows as pieces are appended; remembers a failed allocation.
class ReportText {
public:
    void Append(const wchar_t* text)
    {
        size_t length = static_cast<size_t>(lstrlenW(text));
        if (failed_ || !characters_.Grow(length_ + length)) {
            failed_ = true;
            return;
        }
        CopyMemory(characters_.Data() + length_, text, length * sizeof(wchar_t));
        length_ += length;
    }
    bool Failed() const { return failed_; }
    const wchar_t* Data() const { return characters_.Data(); }
    size_t Length() const { return length_; }

private:
    HeapArray<wchar_t> characters_;
    size_t length_ = 0;
    bool failed_ = false;
};

// Reads an environment variable of any length; false when it is not set.
bool ReadEnvironment(const wchar_t* name, HeapArray<wchar_t>* value)
{
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0 || !value->Allocate(size))
        return false;
    DWORD length = GetEnvironmentVariableW(name, value->Data(), size);
    return length != 0 && length < size;
}

bool ReadCurrentDirectory(HeapArray<wchar_t>* directory)
{
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0 || !directory->Allocate(size))
        return false;
    DWORD length = GetCurrentDirectoryW(size, directory->Data());
    return length != 0 && length < size;
}

void WriteUtf8File(const wchar_t* path, const wchar_t* text, size_t length)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                   nullptr, nullptr);
    HeapArray<char> bytes;
    if (size <= 0 || !bytes.Allocate(static_cast<size_t>(size)))
        return;
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), bytes.Data(), size,
                        nullptr, nullptr);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.Data(), static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

void WriteStartReport(const wchar_t* languageCode)
{
    HeapArray<wchar_t> reportPath;
    if (!ReadEnvironment(L"NELVAR_REPORT", &reportPath) || reportPath[0] == L'\0')
        return;
    HeapArray<wchar_t> currentDirectory;
    if (!ReadCurrentDirectory(&currentDirectory))
        return;

    ReportText report;
    report.Append(L"command line: ");
    report.Append(GetCommandLineW());
    report.Append(L"\ncurrent directory: ");
    report.Append(currentDirectory.Data());
    report.Append(L"\nlanguage: ");
    report.Append(languageCode);
    report.Append(L"\n");
    if (report.Failed())
        return;
    WriteUtf8File(reportPath.Data(), report.Data(), report.Length());
}
