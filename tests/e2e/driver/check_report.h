#pragma once
// The driver's verdicts: every failed expectation is printed with what was expected and what
// was found; the count decides the exit status.

#include <string>

namespace e2e {

// UTF-8, the form in which the driver writes what it reports.
std::string Utf8Of(const std::wstring& text);

void Section(const std::wstring& title);
void Expect(bool ok, const std::wstring& what);
void ExpectText(const std::wstring& what, const std::wstring& expected, const std::wstring& actual);
void ExpectNumber(const std::wstring& what, long long expected, long long actual);
void Note(const std::wstring& text);
int FailureCount();
int CheckCount();

}  // namespace e2e
