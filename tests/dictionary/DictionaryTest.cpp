#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DictTestSupport.h"
#include "library/dictionary/EdsDictStg.h"

namespace vantor {
namespace {

using test::Content;
using test::Record;
using test::Text;
using test::TextStream;

class DictionaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = files_.Compound();
        storage_ = test::SubStorage(root_, u"ObjectDictionary");
        ASSERT_EQ(dict_.InitNew(storage_.Get()), S_OK);
    }

    EdsObjectRecord Get(uint16_t index, uint16_t sub) {
        EdsObjectRecord record;
        EXPECT_EQ(dict_.Get(index, sub, record), S_OK) << std::hex << index << " sub " << sub;
        return record;
    }

    std::u16string All() {
        BSTR all = nullptr;
        EXPECT_EQ(dict_.ListAll(all), S_OK);
        const test::Bstr owned(all);
        return test::Units(all);
    }

    HRESULT Read(uint16_t code, uint16_t index, std::string_view text, int sub = -1) {
        auto reader = TextStream(text);
        return dict_.ReadSection(code, index, &log_, reader.get(), sub);
    }

    test::TempFiles files_;
    IStorage* root_ = nullptr;
    ComPtr<IStorage> storage_;
    CEdsDictStg dict_;
    CMemoryStream log_;
};

TEST_F(DictionaryTest, CategoriesFollowTheMainEntry) {
    ASSERT_EQ(dict_.Add(0x2000, 0xFF, Record("Obj", 2)), S_OK);
    EdsObjectRecord record;
    EXPECT_EQ(dict_.Get(0x2000, 1, record), STG_E_FILENOTFOUND);
    EXPECT_EQ(Get(0x2000, 0xFF).Category, 2);
    ASSERT_EQ(dict_.Add(0x2000, 1, Record("Sub", 3)), S_OK);
    EXPECT_EQ(Get(0x2000, 1).Category, 2);

    ASSERT_EQ(dict_.Set(0x2000, 0x1FF, Record("Obj", 0)), S_OK);
    EXPECT_EQ(Get(0x2000, 0xFF).Category, 0);
    EXPECT_TRUE(dict_.Map(ObjectMapCode::Available).IsMember(0x2000));
    for (int code : {ObjectMapCode::Mandatory, ObjectMapCode::Optional, ObjectMapCode::Manufacturer})
        EXPECT_FALSE(dict_.Map(code).IsMember(0x2000));
    dict_.SetCategory(0x2000, 3);
    EXPECT_EQ(dict_.Category(0x2000), 3);
}

TEST_F(DictionaryTest, RemoveOfAMainObjectWithAndWithoutItsArea) {
    ASSERT_EQ(dict_.Add(0x2000, 0xFF, Record("A", 1)), S_OK);
    ASSERT_EQ(dict_.Add(0x2001, 0xFF, Record("B", 1)), S_OK);
    EXPECT_EQ(All(), (std::u16string{0x2000, 0x2001}));
    ASSERT_EQ(dict_.Remove(0x2000, 0xFF), S_OK);
    EXPECT_EQ(All(), std::u16string(1, 0x2001));
    EXPECT_FALSE(dict_.Map(ObjectMapCode::Mandatory).IsMember(0x2000));
    EXPECT_EQ(dict_.Remove(0x2000, 0xFF), S_OK);
    ASSERT_EQ(dict_.Remove(0x2001, 0x100), S_OK);
    EXPECT_EQ(dict_.Remove(0x2001, 0xFF), S_OK);
    EXPECT_EQ(All(), u"");
    EXPECT_EQ(dict_.Remove(0x3000, 0xFF), STG_E_FILENOTFOUND);
}

TEST_F(DictionaryTest, MapSectionsAddToTheListsAndCountPdos) {
    ASSERT_EQ(Read(SectionCode::MandatoryObjects, 0, "SupportedObjects=1\r\n1=0x1000\r\n"), S_OK);
    ASSERT_EQ(Read(SectionCode::MandatoryObjects, 0, "SupportedObjects=1\r\n1=0x1001\r\n"), S_OK);
    EXPECT_TRUE(dict_.Map(ObjectMapCode::Mandatory).IsMember(0x1000));
    EXPECT_TRUE(dict_.Map(ObjectMapCode::Mandatory).IsMember(0x1001));

    for (uint16_t index : {0x1400, 0x1401, 0x1800, 0x1600})
        ASSERT_EQ(Read(SectionCode::MainObject, index, "ParameterName=P\r\n"), S_OK);
    int receive = 0, transmit = 0;
    dict_.CountPdos(receive, transmit);
    EXPECT_EQ(receive, 2);
    EXPECT_EQ(transmit, 1);
    EXPECT_EQ(Read(SectionCode::SubObject, 0x3000, "ParameterName=P\r\n", 0xFF), S_OK);
    EXPECT_FALSE(dict_.Map(ObjectMapCode::Available).IsMember(0x3000));
}

TEST_F(DictionaryTest, CreatesReceivePdoWithMappingEntries) {
    EdsPdoRequest request;
    std::memset(&request, 0, sizeof request);
    request.flags = 0x3F;
    request.writable = 7;
    request.cobId = 0x201;
    request.transmissionType = 0xFE;
    request.mappedCount = 2;
    request.mapped[0] = 0x60000108;
    request.mapped[1] = 0x60000208;
    ASSERT_EQ(dict_.CreatePdo(0x1400, request), S_OK);

    const EdsObjectRecord main = Get(0x1400, 0xFF);
    EXPECT_EQ(Text(main.ParameterName), "1. receive PDO parameter");
    EXPECT_EQ(main.Category, 1);
    EXPECT_EQ(Text(main.DefaultValue).substr(0, 6), "111011");
    EXPECT_EQ(Text(Get(0x1400, 0).DefaultValue), "5");
    EXPECT_EQ(Text(Get(0x1400, 1).DefaultValue), "0x00000201");
    EXPECT_EQ(Get(0x1400, 1).AccessType, 3);
    EXPECT_EQ(Text(Get(0x1400, 2).DefaultValue), "0xFE");
    EXPECT_EQ(Text(Get(0x1400, 5).DefaultValue), "0x0000");

    EXPECT_EQ(Text(Get(0x1600, 0xFF).ParameterName), "1. receive PDO mapping");
    EXPECT_EQ(Get(0x1600, 0xFF).SubNumber, 3);
    EXPECT_EQ(Text(Get(0x1600, 0).DefaultValue), "2");
    EXPECT_EQ(Get(0x1600, 0).AccessType, 3);
    EXPECT_EQ(Text(Get(0x1600, 2).ParameterName), "2. mapped object");
    EXPECT_EQ(Text(Get(0x1600, 2).DefaultValue), "0x60000208");
    EXPECT_EQ(dict_.CreatePdo(0x1700, request), static_cast<HRESULT>(ERROR_INVALID_PARAMETER));
}

TEST_F(DictionaryTest, CreatesPlainTransmitPdoAndKeepsAnExistingMapping) {
    EdsPdoRequest request;
    std::memset(&request, 0, sizeof request);
    ASSERT_EQ(dict_.CreatePdo(0x1800, request), S_OK);
    EXPECT_EQ(Get(0x1800, 0xFF).SubNumber, 3);
    EXPECT_EQ(Text(Get(0x1800, 0).DefaultValue), "2");
    EXPECT_EQ(Text(Get(0x1800, 1).DefaultValue), "0x80000000");
    EXPECT_EQ(Get(0x1800, 1).AccessType, 1);
    EXPECT_EQ(Text(Get(0x1800, 2).DefaultValue), "0xFF");
    EXPECT_EQ(Get(0x1800, 2).AccessType, 1);
    EXPECT_EQ(Get(0x1A00, 0xFF).SubNumber, 1);
    EXPECT_EQ(Text(Get(0x1A00, 0).DefaultValue), "0");

    ASSERT_EQ(dict_.Add(0x1A01, 0xFF, Record("Own mapping", 1)), S_OK);
    ASSERT_EQ(dict_.CreatePdo(0x1801, request), S_OK);
    EXPECT_EQ(Text(Get(0x1A01, 0xFF).ParameterName), "Own mapping");
    EXPECT_EQ(Get(0x1A01, 0xFF).SubNumber, 0);
}

TEST_F(DictionaryTest, WritesAndReadsTheIdentityObject) {
    IdentityValues serial;
    serial.mask = 8;
    serial.values[3] = 0x1234;
    ASSERT_EQ(dict_.WriteIdentity(serial), S_OK);  // created from the templates
    EXPECT_EQ(Text(Get(0x1018, 0xFF).ParameterName), "Identity Object");
    EXPECT_EQ(Text(Get(0x1018, 0).DefaultValue), "4");
    EXPECT_EQ(Text(Get(0x1018, 4).DefaultValue), "0x00001234");

    ASSERT_EQ(dict_.Add(0x1018, 2, Record("Product code", 0, "")), S_OK);
    ASSERT_EQ(dict_.Add(0x1018, 3, Record("Revision number", 0, "0x10")), S_OK);
    ASSERT_EQ(dict_.Remove(0x1018, 0), S_OK);
    IdentityValues vendor;
    vendor.mask = 1;
    vendor.values[0] = 0x99;
    ASSERT_EQ(dict_.WriteIdentity(vendor), S_OK);
    EXPECT_EQ(Text(Get(0x1018, 0).ParameterName), "number of entries");
    EXPECT_EQ(Text(Get(0x1018, 0).DefaultValue), "4");

    IdentityValues read;
    read.values = {7, 7, 7, 7};
    ASSERT_EQ(dict_.ReadIdentity(read), S_OK);
    EXPECT_EQ(read.mask, 0xDu);
    EXPECT_EQ(read.values, (std::array<uint32_t, 4>{0x99, 7, 0x10, 0x1234}));
}

TEST_F(DictionaryTest, ExportWritesListsThenObjectsInIndexOrderWithProgress) {
    for (uint16_t index : {0x2005, 0x1000, 0x2001}) ASSERT_EQ(dict_.Add(index, 0xFF, Record("X", 1)), S_OK);
    ASSERT_EQ(dict_.Add(0x2003, 0xFF, Record("Y", 3)), S_OK);
    static std::vector<int> progress;
    progress.clear();
    CMemoryStream text;
    ASSERT_EQ(dict_.Export(&text, &log_, [](int32_t percent, intptr_t) { progress.push_back(percent); }, 0, false),
              S_OK);
    ASSERT_EQ(progress.size(), 257u);
    EXPECT_EQ(progress[0], 0);
    EXPECT_EQ(progress[1], 0);
    EXPECT_EQ(progress[129], 50);  // area 128
    EXPECT_EQ(progress[256], 100);

    const std::string written = Content(text);
    std::vector<std::size_t> at;
    for (const char* header : {"[MandatoryObjects]\r\nSupportedObjects=0x0003\r\n1=0x1000\r\n2=0x2001\r\n3=0x2005",
                               "[ManufacturerObjects]\r\nSupportedObjects=0x0001\r\n1=0x2003",
                               "[OptionalObjects]\r\nSupportedObjects=0x0000\r\n\r\n", "[1000]", "[2001]", "[2003]",
                               "[2005]"})
        at.push_back(written.find(header));
    for (std::size_t i = 1; i < at.size(); ++i) EXPECT_LT(at[i - 1], at[i]) << i;
    EXPECT_NE(at.back(), std::string::npos);
}

TEST_F(DictionaryTest, ExportGoesOnAfterAnUnreadableObject) {
    ASSERT_EQ(dict_.Add(0x2001, 0xFF, Record("A")), S_OK);
    ASSERT_EQ(dict_.Add(0x2002, 0xFF, Record("B")), S_OK);
    ASSERT_EQ(dict_.Add(0x3001, 0xFF, Record("C")), S_OK);
    ASSERT_EQ(dict_.Save(), S_OK);  // closes the open objects
    ASSERT_EQ(dict_.SaveCompleted(), S_OK);
    ComPtr<IStorage> area;
    ASSERT_EQ(storage_->OpenStorage(u"$20", nullptr, test::kElementMode, nullptr, 0, area.ReleaseAndGetAddressOf()),
              S_OK);
    ComPtr<IStorage> object;
    ASSERT_EQ(area->OpenStorage(u"$01", nullptr, test::kElementMode, nullptr, 0, object.ReleaseAndGetAddressOf()),
              S_OK);
    ASSERT_EQ(object->DestroyElement(u"MAIN"), S_OK);
    object.Reset();

    CMemoryStream text;
    EXPECT_EQ(dict_.Export(&text, &log_, nullptr, 0, false), STG_E_FILENOTFOUND);
    EXPECT_NE(Content(log_).find("Main object not found: 2001 (Code 0x80030002)"), std::string::npos);
    EXPECT_NE(Content(text).find("[2002]"), std::string::npos);
    EXPECT_NE(Content(text).find("[3001]"), std::string::npos);
}

TEST(DictionaryPersistenceTest, ReopensFromDiskWithMapsAndObjects) {
    test::TempFiles files;
    const std::string path = files.Path("saved.stg");
    const std::u16string widePath(path.begin(), path.end());
    {
        ComPtr<IStorage> root;
        ASSERT_EQ(StgCreateDocfile(widePath.c_str(), STGM_CREATE | test::kElementMode, 0, root.ReleaseAndGetAddressOf()),
                  S_OK);
        CEdsDictStg dict;
        ASSERT_EQ(dict.InitNew(test::SubStorage(root.Get(), u"ObjectDictionary").Get()), S_OK);
        ASSERT_EQ(dict.Add(0x1018, 0xFF, Record("Identity", 1)), S_OK);
        ASSERT_EQ(dict.Add(0x1018, 1, Record("Vendor", 0, "0x5")), S_OK);
        ASSERT_EQ(dict.Add(0x6000, 0xFF, Record("Inputs", 2)), S_OK);
        ASSERT_EQ(dict.Save(), S_OK);
        EXPECT_EQ(dict.Save(), E_UNEXPECTED);
        ASSERT_EQ(dict.SaveCompleted(), S_OK);
        ASSERT_EQ(root->Commit(0), S_OK);
    }
    ComPtr<IStorage> root;
    ASSERT_EQ(StgOpenStorage(widePath.c_str(), nullptr, test::kElementMode, nullptr, 0, root.ReleaseAndGetAddressOf()),
              S_OK);
    ComPtr<IStorage> storage;
    ASSERT_EQ(root->OpenStorage(u"ObjectDictionary", nullptr, test::kElementMode, nullptr, 0,
                                storage.ReleaseAndGetAddressOf()),
              S_OK);
    CEdsDictStg dict;
    ASSERT_EQ(dict.Load(storage.Get()), S_OK);
    BSTR all = nullptr;
    ASSERT_EQ(dict.ListAll(all), S_OK);
    const test::Bstr owned(all);
    EXPECT_EQ(test::Units(all), (std::u16string{0x1018, 0x6000}));
    EXPECT_EQ(dict.Category(0x6000), 2);
    IdentityValues identity;
    ASSERT_EQ(dict.ReadIdentity(identity), S_OK);
    EXPECT_EQ(identity.mask, 1u);
    EXPECT_EQ(identity.values[0], 5u);

    // Hands off: the areas are let go and reopened after the storage returns.
    ASSERT_EQ(dict.HandsOffStorage(), S_OK);
    EXPECT_EQ(dict.HandsOffStorage(), E_UNEXPECTED);
    EXPECT_EQ(dict.ResumeStorage(nullptr), E_POINTER);
    ASSERT_EQ(dict.ResumeStorage(storage.Get()), S_OK);
    EdsObjectRecord record;
    ASSERT_EQ(dict.Get(0x6000, 0xFF, record), S_OK);
    EXPECT_EQ(Text(record.ParameterName), "Inputs");
}

TEST(DictionaryPersistenceTest, NeverSavedDescriptionOpensEmpty) {
    test::TempFiles files;
    IStorage* root = files.Compound();
    const ComPtr<IStorage> storage = test::SubStorage(root, u"ObjectDictionary");
    {
        CEdsDictStg dict;
        ASSERT_EQ(dict.InitNew(storage.Get()), S_OK);
    }
    CEdsDictStg dict;
    EXPECT_EQ(dict.Load(nullptr), E_POINTER);
    ASSERT_EQ(dict.Load(storage.Get()), S_OK);
    EXPECT_EQ(dict.Load(storage.Get()), CO_E_ALREADYINITIALIZED);
    EXPECT_EQ(dict.Map(ObjectMapCode::Available).Count(), 0);
    EdsObjectRecord record;
    EXPECT_EQ(dict.Get(0x1000, 0xFF, record), STG_E_FILENOTFOUND);
}

}  // namespace
}  // namespace vantor
