// Every module and interface identity against its registry form: a module
// built elsewhere finds an interface only by these 16 bytes.
#include <gtest/gtest.h>

#include <stdio.h>

#include "include/VarnoGuids.h"

namespace {

std::string RegistryForm(const GUID& id) {
  char text[40];
  snprintf(text, sizeof(text), "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           static_cast<unsigned long>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1],
           id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
  return text;
}

struct Identity {
  const char* name;
  const GUID* id;
  const char* text;
};

TEST(Guids, EveryIdentityHasItsFixedValue) {
  const Identity identities[] = {
      {"CLSID_ConfigModule", &CLSID_ConfigModule, "{B1B40072-DB5E-4BCA-8141-B667BE823855}"},
      {"CLSID_VideoModule", &CLSID_VideoModule, "{EF312474-0FD1-475D-AEAC-A26116F4C674}"},
      {"CLSID_MusicModule", &CLSID_MusicModule, "{7574B5E1-E3FF-431B-B73E-6F1BDC2BBF46}"},
      {"CLSID_PhotoModule", &CLSID_PhotoModule, "{34D9C77E-2422-436E-9A5F-0559FCD647BF}"},
      {"CLSID_MainUIModule", &CLSID_MainUIModule, "{0889E4FA-6D7A-4778-B8E4-F793C207BE93}"},
      {"CLSID_CommandExecutive", &CLSID_CommandExecutive, "{1C88B8CF-7FE5-401D-B178-9D07EF8CAB30}"},
      {"IID_IVarnoConfigEx", &IID_IVarnoConfigEx, "{BA480A98-9FD5-4F62-B806-189AE9939E81}"},
      {"IID_IVarnoConfig", &IID_IVarnoConfig, "{92EA0EEC-099E-4DB2-A8F4-F79E761039E8}"},
      {"IID_ILanguageTranslater", &IID_ILanguageTranslater, "{2FB6C7F2-10E0-4A59-9E40-4AEEDCD1486E}"},
      {"IID_ISkinCommand", &IID_ISkinCommand, "{B8C43BEB-494A-4416-96FF-F9AB3AD49A76}"},
      {"IID_IModuleEvents", &IID_IModuleEvents, "{5CD6D71A-A557-4A0D-8B8E-C3C60DE0E600}"},
      {"IID_IViewFactory", &IID_IViewFactory, "{525F9D75-0264-46B1-B930-73D329DA8516}"},
      {"IID_ISkinUI", &IID_ISkinUI, "{E38735FB-C1F3-4B66-A274-007A61D8692A}"},
      {"IID_IConverter", &IID_IConverter, "{FC17F4D5-3860-4B6C-8FC3-5224F082924C}"},
      {"IID_IPlayer", &IID_IPlayer, "{F8EC5B23-A1FC-40B8-BB6C-5E497CD20A45}"},
      {"IID_IPhotoPreview", &IID_IPhotoPreview, "{659CDDE6-08A5-4470-96C6-A6622104E439}"},
      {"IID_VrcConnectionPointContainer", &IID_VrcConnectionPointContainer,
       "{B196B284-BAB4-101A-B69C-00AA00341D07}"},
  };
  for (const Identity& identity : identities)
    EXPECT_EQ(identity.text, RegistryForm(*identity.id)) << identity.name;
}

}  // namespace
