#include "install/payload_catalogue.h"

// The build embeds the seven payload files in storage order; each symbol pair brackets one file.
extern "C" const unsigned char PayloadFile1[], PayloadFile1End[];
extern "C" const unsigned char PayloadFile2[], PayloadFile2End[];
extern "C" const unsigned char PayloadFile3[], PayloadFile3End[];
extern "C" const unsigned char PayloadFile4[], PayloadFile4End[];
extern "C" const unsigned char PayloadFile5[], PayloadFile5End[];
extern "C" const unsigned char PayloadFile6[], PayloadFile6End[];
extern "C" const unsigned char PayloadFile7[], PayloadFile7End[];

const PayloadEntry PayloadCatalogue[PayloadEntryCount] = {
    {"Corvex.exe", PayloadFile1, PayloadFile1End, PayloadUse::Both},
    {"nelvar.exe", PayloadFile2, PayloadFile2End, PayloadUse::EnglishOnly},
    {"Lumbra.dll", PayloadFile3, PayloadFile3End, PayloadUse::Both},
    {"Fenwy.dll", PayloadFile4, PayloadFile4End, PayloadUse::Both},
    {"Pellot.png", PayloadFile5, PayloadFile5End, PayloadUse::Both},
    {"Pellot2.jpg", PayloadFile6, PayloadFile6End, PayloadUse::Both},
    {"nelvar.exe", PayloadFile7, PayloadFile7End, PayloadUse::ChineseOnly},
};

namespace {

const PayloadEntry* const ChineseInstallList[InstallFileCount] = {
    &PayloadCatalogue[0], &PayloadCatalogue[6], &PayloadCatalogue[2],
    &PayloadCatalogue[3], &PayloadCatalogue[4], &PayloadCatalogue[5],
};

const PayloadEntry* const EnglishInstallList[InstallFileCount] = {
    &PayloadCatalogue[0], &PayloadCatalogue[1], &PayloadCatalogue[2],
    &PayloadCatalogue[3], &PayloadCatalogue[4], &PayloadCatalogue[5],
};

}  // namespace

const PayloadEntry* const* InstallList(InstallLanguage language)
{
    return language == InstallLanguage::Chinese ? ChineseInstallList : EnglishInstallList;
}

Text InstallPath(const char* fileName)
{
    const Text folder = JoinTexts(InstallRoot, "\\");
    return JoinTexts(folder.Bytes(), fileName);
}
