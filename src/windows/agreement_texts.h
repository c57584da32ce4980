#pragma once
// The two user agreements, embedded byte for byte from resources/agreement-*.txt.
extern "C" const char ChineseAgreementText[];
extern "C" const char ChineseAgreementTextEnd[];
extern "C" const char EnglishAgreementText[];
extern "C" const char EnglishAgreementTextEnd[];
