// Element operations of storages and streams, on temporary compound files.
#include "StorageTestSupport.h"

using namespace storage_test;

namespace {

class StorageElementsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(S_OK, StgCreateDocfile(nullptr, kTempDocfile, 0, root_.Out())); }

    IStorage* root() { return root_.get(); }

    StoragePtr root_;
};

TEST_F(StorageElementsTest, MissingElementsAreNotFoundWhateverTheKind) {
    WriteStream(root(), u"stream", Pattern(10, 1));
    CreateStorage(root(), u"storage");
    StreamPtr stream;
    StoragePtr storage;
    EXPECT_EQ(MakeHresult(0x80030002u), root()->OpenStream(u"missing", nullptr, kOpenRW, 0, stream.Out()));
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->OpenStorage(u"missing", nullptr, kOpenRW, nullptr, 0, storage.Out()));
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->OpenStream(u"storage", nullptr, kOpenRW, 0, stream.Out()));
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->OpenStorage(u"stream", nullptr, kOpenRW, nullptr, 0, storage.Out()));
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->DestroyElement(u"missing"));
    EXPECT_FALSE(stream);
    EXPECT_FALSE(storage);
}

TEST_F(StorageElementsTest, CreateReplacesAnExistingElementOfEitherKind) {
    struct Case {
        bool firstIsStorage;
        bool secondIsStorage;
    };
    for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
        SCOPED_TRACE(std::to_string(c.firstIsStorage) + std::to_string(c.secondIsStorage));
        StreamPtr oldStream;
        StoragePtr oldStorage;
        if (c.firstIsStorage) {
            oldStorage = CreateStorage(root(), u"Element");
            WriteStream(oldStorage.get(), u"inner", Pattern(5, 2));
        } else {
            ASSERT_EQ(S_OK, root()->CreateStream(u"Element", kCreateRW, 0, 0, oldStream.Out()));
            ASSERT_EQ(S_OK, oldStream->Write("abc", 3, nullptr));
        }
        StreamPtr newStream;
        StoragePtr newStorage;
        if (c.secondIsStorage)
            ASSERT_EQ(S_OK, root()->CreateStorage(u"ELEMENT", kCreateRW, 0, 0, newStorage.Out()));
        else
            ASSERT_EQ(S_OK, root()->CreateStream(u"ELEMENT", kCreateRW, 0, 0, newStream.Out()));

        const std::vector<Listed> expected{{u"ELEMENT", c.secondIsStorage ? STGTY_STORAGE : STGTY_STREAM, 0}};
        EXPECT_EQ(expected, ListElements(root()));
        // The replaced element's open object no longer reaches anything.
        STATSTG stat{};
        EXPECT_EQ(STG_E_REVERTED, oldStream ? oldStream->Stat(&stat, STATFLAG_NONAME) : oldStorage->Stat(&stat, 1));
        ASSERT_EQ(S_OK, root()->DestroyElement(u"element"));
    }
}

TEST_F(StorageElementsTest, CreateWithoutCreateFlagRefusesAnExistingName) {
    WriteStream(root(), u"Name", Pattern(3, 3));
    StreamPtr stream;
    StoragePtr storage;
    constexpr DWORD mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    EXPECT_EQ(STG_E_FILEALREADYEXISTS, root()->CreateStream(u"name", mode, 0, 0, stream.Out()));
    EXPECT_EQ(STG_E_FILEALREADYEXISTS, root()->CreateStorage(u"NAME", mode, 0, 0, storage.Out()));
    EXPECT_EQ(Pattern(3, 3), ReadStream(root(), u"nAmE"));
}

TEST_F(StorageElementsTest, RefusedNamesNeverCreateAnything) {
    const std::u16string longest(31, u'x');
    const std::u16string tooLong(32, u'x');
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
    struct Case {
        const char16_t* name;
        HRESULT expected;
    };
    const Case cases[] = {
        {nullptr, STG_E_INVALIDPARAMETER}, {u"", STG_E_INVALIDNAME},       {tooLong.c_str(), STG_E_INVALIDNAME},
        {u"a/b", STG_E_INVALIDNAME},       {u"a\\b", STG_E_INVALIDNAME},   {u"a:b", STG_E_INVALIDNAME},
        {u"a!b", STG_E_INVALIDNAME},       {unpaired, STG_E_INVALIDNAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? Hex(c.name) : "null");
        StreamPtr stream;
        StoragePtr storage;
        EXPECT_EQ(c.expected, root()->CreateStream(c.name, kCreateRW, 0, 0, stream.Out()));
        EXPECT_EQ(c.expected, root()->CreateStorage(c.name, kCreateRW, 0, 0, storage.Out()));
        EXPECT_EQ(c.expected, root()->OpenStream(c.name, nullptr, kOpenRW, 0, stream.Out()));
        EXPECT_EQ(c.expected, root()->DestroyElement(c.name));
    }
    EXPECT_TRUE(ListElements(root()).empty());

    WriteStream(root(), longest, Pattern(1, 4));
    WriteStream(root(), u"\x05SummaryInformation", Pattern(1, 5));
    EXPECT_EQ(2u, ListElements(root()).size());
}

TEST_F(StorageElementsTest, DestroyRemovesAWholeSubtreeAndRevertsItsOpenObjects) {
    StoragePtr outer = CreateStorage(root(), u"Outer");
    StoragePtr inner = CreateStorage(outer.get(), u"Inner");
    StreamPtr stream;
    ASSERT_EQ(S_OK, inner->CreateStream(u"Data", kCreateRW, 0, 0, stream.Out()));
    WriteStream(root(), u"Kept", Pattern(4, 6));

    ASSERT_EQ(S_OK, root()->DestroyElement(u"OUTER"));

    const std::vector<Listed> expected{{u"Kept", STGTY_STREAM, 4}};
    EXPECT_EQ(expected, ListElements(root()));
    EXPECT_EQ(STG_E_REVERTED, stream->Write("x", 1, nullptr));
    EXPECT_EQ(STG_E_REVERTED, inner->DestroyElement(u"Data"));
    StoragePtr reopened;
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->OpenStorage(u"Outer", nullptr, kOpenRW, nullptr, 0, reopened.Out()));
}

TEST_F(StorageElementsTest, EnumerationDeliversEveryElementOnceInNameOrder) {
    WriteStream(root(), u"bb", Pattern(7, 7));
    CreateStorage(root(), u"A");
    WriteStream(root(), u"c", Pattern(4096, 8));
    Ref<IEnumSTATSTG> elements;
    ASSERT_EQ(S_OK, root()->EnumElements(0, nullptr, 0, elements.Out()));
    ASSERT_EQ(S_OK, elements->Reset());

    STATSTG stats[3] = {};
    ULONG fetched = 0;
    ASSERT_EQ(S_OK, elements->Next(1, stats, &fetched));
    EXPECT_EQ(1u, fetched);
    EXPECT_EQ(std::u16string(u"A"), stats[0].pwcsName);
    EXPECT_EQ(STGTY_STORAGE, stats[0].type);
    CoTaskMemFree(stats[0].pwcsName);

    // Asking for more than remain delivers the rest and S_FALSE.
    ASSERT_EQ(S_FALSE, elements->Next(3, stats, &fetched));
    ASSERT_EQ(2u, fetched);
    EXPECT_EQ(std::u16string(u"c"), stats[0].pwcsName);
    EXPECT_EQ(4096u, stats[0].cbSize.QuadPart);
    EXPECT_EQ(std::u16string(u"bb"), stats[1].pwcsName);
    EXPECT_EQ(7u, stats[1].cbSize.QuadPart);
    for (ULONG i = 0; i < fetched; ++i) CoTaskMemFree(stats[i].pwcsName);
    EXPECT_EQ(S_FALSE, elements->Next(1, stats, nullptr));

    Ref<IEnumSTATSTG> clone;
    ASSERT_EQ(S_OK, elements->Reset());
    ASSERT_EQ(S_OK, elements->Skip(2));
    ASSERT_EQ(S_OK, elements->Clone(clone.Out()));
    EXPECT_EQ(S_FALSE, elements->Skip(5));
    ASSERT_EQ(S_OK, clone->Next(1, stats, nullptr));
    EXPECT_EQ(std::u16string(u"bb"), stats[0].pwcsName);
    CoTaskMemFree(stats[0].pwcsName);
}

TEST_F(StorageElementsTest, StreamsSeekAndSizeWith64BitOffsets) {
    StreamPtr stream;
    ASSERT_EQ(S_OK, root()->CreateStream(u"s", kCreateRW, 0, 0, stream.Out()));
    ASSERT_EQ(S_OK, stream->Write("0123456789", 10, nullptr));

    struct Case {
        int64_t move;
        DWORD origin;
        HRESULT expected;
        uint64_t position;
    };
    const Case cases[] = {
        {3, STREAM_SEEK_SET, S_OK, 3},
        {2, STREAM_SEEK_CUR, S_OK, 5},
        {-4, STREAM_SEEK_END, S_OK, 6},
        {int64_t{5} << 30, STREAM_SEEK_SET, S_OK, uint64_t{5} << 30},
        {-1, STREAM_SEEK_SET, STG_E_INVALIDFUNCTION, uint64_t{5} << 30},
        {-11, STREAM_SEEK_END, STG_E_INVALIDFUNCTION, uint64_t{5} << 30},
        {0, 3, STG_E_INVALIDFUNCTION, uint64_t{5} << 30},
    };
    for (const Case& c : cases) {
        LARGE_INTEGER move;
        move.QuadPart = c.move;
        ULARGE_INTEGER position{};
        EXPECT_EQ(c.expected, stream->Seek(move, c.origin, &position)) << c.move;
        LARGE_INTEGER zero{};
        ASSERT_EQ(S_OK, stream->Seek(zero, STREAM_SEEK_CUR, &position));
        EXPECT_EQ(c.position, position.QuadPart) << c.move;
    }

    // Reading beyond the end succeeds with nothing; writing beyond 2 GiB fails.
    char buffer[4];
    ULONG count = 99;
    EXPECT_EQ(S_OK, stream->Read(buffer, sizeof buffer, &count));
    EXPECT_EQ(0u, count);
    EXPECT_EQ(STG_E_MEDIUMFULL, stream->Write("x", 1, &count));
    ULARGE_INTEGER huge;
    huge.QuadPart = uint64_t{5} << 30;
    EXPECT_EQ(STG_E_MEDIUMFULL, stream->SetSize(huge));

    // A read across the end gives the bytes that are there.
    LARGE_INTEGER eight;
    eight.QuadPart = 8;
    ASSERT_EQ(S_OK, stream->Seek(eight, STREAM_SEEK_SET, nullptr));
    EXPECT_EQ(S_OK, stream->Read(buffer, sizeof buffer, &count));
    EXPECT_EQ(2u, count);
    EXPECT_EQ('8', buffer[0]);
}

TEST_F(StorageElementsTest, WritesPastTheEndFillTheGapWithZeros) {
    StreamPtr stream;
    ASSERT_EQ(S_OK, root()->CreateStream(u"s", kCreateRW, 0, 0, stream.Out()));
    LARGE_INTEGER move;
    move.QuadPart = 4;
    ASSERT_EQ(S_OK, stream->Seek(move, STREAM_SEEK_SET, nullptr));
    ASSERT_EQ(S_OK, stream->Write("ab", 2, nullptr));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0, 'a', 'b'}), ReadStream(root(), u"s"));

    ULARGE_INTEGER size;
    size.QuadPart = 1;
    ASSERT_EQ(S_OK, stream->SetSize(size));
    EXPECT_EQ(std::vector<uint8_t>{0}, ReadStream(root(), u"s"));
}

TEST_F(StorageElementsTest, TwoOpensOfAStreamSeeEachOthersWritesAtOnce) {
    StreamPtr writer;
    StreamPtr reader;
    ASSERT_EQ(S_OK, root()->CreateStream(u"shared", kCreateRW, 0, 0, writer.Out()));
    ASSERT_EQ(S_OK, root()->OpenStream(u"SHARED", nullptr, kOpenRW, 0, reader.Out()));
    ASSERT_EQ(S_OK, writer->Write("hello", 5, nullptr));
    char buffer[8] = {};
    ULONG read = 0;
    ASSERT_EQ(S_OK, reader->Read(buffer, sizeof buffer, &read));
    EXPECT_EQ(std::string("hello"), std::string(buffer, read));
}

TEST_F(StorageElementsTest, StreamCopyToMovesBytesFromThePosition) {
    const auto content = Pattern(3 << 20, 9);
    WriteStream(root(), u"source", content);
    StreamPtr source;
    StreamPtr target;
    ASSERT_EQ(S_OK, root()->OpenStream(u"source", nullptr, kOpenRW, 0, source.Out()));
    ASSERT_EQ(S_OK, root()->CreateStream(u"target", kCreateRW, 0, 0, target.Out()));
    LARGE_INTEGER start;
    start.QuadPart = 100;
    ASSERT_EQ(S_OK, source->Seek(start, STREAM_SEEK_SET, nullptr));

    ULARGE_INTEGER all;
    all.QuadPart = UINT64_MAX;
    ULARGE_INTEGER read{};
    ULARGE_INTEGER written{};
    ASSERT_EQ(S_OK, source->CopyTo(target.get(), all, &read, &written));
    EXPECT_EQ(content.size() - 100, read.QuadPart);
    EXPECT_EQ(content.size() - 100, written.QuadPart);
    EXPECT_EQ(std::vector<uint8_t>(content.begin() + 100, content.end()), ReadStream(root(), u"target"));

    // Copying a stream onto itself appends what was read, within bounds.
    LARGE_INTEGER zero{};
    ASSERT_EQ(S_OK, target->Seek(zero, STREAM_SEEK_SET, nullptr));
    ULARGE_INTEGER some;
    some.QuadPart = 10;
    ASSERT_EQ(S_OK, target->CopyTo(target.get(), some, &read, &written));
    EXPECT_EQ(10u, written.QuadPart);
}

TEST_F(StorageElementsTest, StorageCopyToMergesIntoTheTargetAndHonoursExclusions) {
    StoragePtr source = CreateStorage(root(), u"Source");
    WriteStream(source.get(), u"a", Pattern(10, 10));
    WriteStream(source.get(), u"b", Pattern(5000, 11));
    StoragePtr nested = CreateStorage(source.get(), u"Nested");
    WriteStream(nested.get(), u"deep", Pattern(70, 12));

    StoragePtr target = CreateStorage(root(), u"Target");
    WriteStream(target.get(), u"a", Pattern(1, 13));
    StoragePtr targetNested = CreateStorage(target.get(), u"nested");
    WriteStream(targetNested.get(), u"other", Pattern(2, 14));

    ASSERT_EQ(S_OK, source->CopyTo(0, nullptr, nullptr, target.get()));
    EXPECT_EQ(Pattern(10, 10), ReadStream(target.get(), u"a"));
    EXPECT_EQ(Pattern(5000, 11), ReadStream(target.get(), u"b"));
    EXPECT_EQ(Pattern(70, 12), ReadStream(targetNested.get(), u"deep"));
    EXPECT_EQ(Pattern(2, 14), ReadStream(targetNested.get(), u"other"));

    StoragePtr streamsOnly = CreateStorage(root(), u"StreamsOnly");
    const IID skipStorages[] = {IID_IStorage};
    OLECHAR skipName[] = u"A";
    OLECHAR* names[] = {skipName, nullptr};
    ASSERT_EQ(S_OK, source->CopyTo(1, skipStorages, names, streamsOnly.get()));
    EXPECT_EQ((std::vector<Listed>{{u"b", STGTY_STREAM, 5000}}), ListElements(streamsOnly.get()));

    // Copying a storage into itself or below itself is refused.
    EXPECT_EQ(STG_E_ACCESSDENIED, source->CopyTo(0, nullptr, nullptr, source.get()));
    EXPECT_EQ(STG_E_ACCESSDENIED, source->CopyTo(0, nullptr, nullptr, nested.get()));
}

TEST_F(StorageElementsTest, RenameAndMoveKeepContent) {
    WriteStream(root(), u"old", Pattern(20, 15));
    WriteStream(root(), u"taken", Pattern(1, 16));
    EXPECT_EQ(STG_E_ACCESSDENIED, root()->RenameElement(u"old", u"TAKEN"));
    ASSERT_EQ(S_OK, root()->RenameElement(u"old", u"new"));
    EXPECT_EQ(Pattern(20, 15), ReadStream(root(), u"new"));

    StoragePtr folder = CreateStorage(root(), u"folder");
    ASSERT_EQ(S_OK, root()->MoveElementTo(u"new", folder.get(), u"moved", STGMOVE_MOVE));
    EXPECT_EQ(Pattern(20, 15), ReadStream(folder.get(), u"moved"));
    StreamPtr gone;
    EXPECT_EQ(STG_E_FILENOTFOUND, root()->OpenStream(u"new", nullptr, kOpenRW, 0, gone.Out()));
    EXPECT_EQ(STG_E_ACCESSDENIED, root()->MoveElementTo(u"folder", folder.get(), u"x", STGMOVE_COPY));
}

TEST_F(StorageElementsTest, OpenChildrenOutliveTheirParentObjects) {
    StreamPtr stream;
    {
        StoragePtr storage = CreateStorage(root(), u"parent");
        ASSERT_EQ(S_OK, storage->CreateStream(u"child", kCreateRW, 0, 0, stream.Out()));
    }
    ASSERT_EQ(S_OK, stream->Write("data", 4, nullptr));
    StoragePtr parent = OpenStorage(root(), u"parent");
    EXPECT_EQ((std::vector<uint8_t>{'d', 'a', 't', 'a'}), ReadStream(parent.get(), u"child"));

    // Once the root is gone, what is still open reports it instead of failing hard.
    root_.Reset();
    EXPECT_EQ(STG_E_REVERTED, stream->Write("more", 4, nullptr));
    EXPECT_EQ(STG_E_REVERTED, parent->DestroyElement(u"child"));
}

TEST_F(StorageElementsTest, ModesOutsideDirectReadWriteAreRefused) {
    StreamPtr stream;
    StoragePtr storage;
    EXPECT_EQ(STG_E_INVALIDFLAG, root()->CreateStream(u"s", kCreateRW | STGM_TRANSACTED, 0, 0, stream.Out()));
    EXPECT_EQ(STG_E_INVALIDFLAG, root()->CreateStorage(u"s", kCreateRW | STGM_DELETEONRELEASE, 0, 0, storage.Out()));
    EXPECT_EQ(STG_E_INVALIDFLAG, root()->CreateStream(u"s", STGM_READWRITE | 3, 0, 0, stream.Out()));
    WriteStream(root(), u"s", Pattern(2, 17));
    EXPECT_EQ(STG_E_INVALIDFLAG, root()->OpenStream(u"s", nullptr, kCreateRW, 0, stream.Out()));

    ASSERT_EQ(S_OK, root()->OpenStream(u"s", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Out()));
    EXPECT_EQ(STG_E_ACCESSDENIED, stream->Write("x", 1, nullptr));
    char byte;
    EXPECT_EQ(S_OK, stream->Read(&byte, 1, nullptr));
}

TEST_F(StorageElementsTest, StatDescribesStoragesAndStreams) {
    StoragePtr storage = CreateStorage(root(), u"Folder");
    const CLSID clsid = {0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};
    ASSERT_EQ(S_OK, storage->SetClass(clsid));
    ASSERT_EQ(S_OK, storage->SetStateBits(0xF0, 0x30));
    STATSTG stat{};
    ASSERT_EQ(S_OK, storage->Stat(&stat, STATFLAG_DEFAULT));
    EXPECT_EQ(std::u16string(u"Folder"), stat.pwcsName);
    EXPECT_EQ(STGTY_STORAGE, stat.type);
    EXPECT_TRUE(stat.clsid == clsid);
    EXPECT_EQ(0x30u, stat.grfStateBits);
    EXPECT_EQ(kCreateRW, stat.grfMode);
    CoTaskMemFree(stat.pwcsName);

    WriteStream(storage.get(), u"s", Pattern(33, 18));
    StreamPtr stream;
    ASSERT_EQ(S_OK, storage->OpenStream(u"s", nullptr, kOpenRW, 0, stream.Out()));
    ASSERT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
    EXPECT_EQ(nullptr, stat.pwcsName);
    EXPECT_EQ(STGTY_STREAM, stat.type);
    EXPECT_EQ(33u, stat.cbSize.QuadPart);
    EXPECT_EQ(STG_E_INVALIDFLAG, stream->Stat(&stat, 7));

    void* unknown = nullptr;
    ASSERT_EQ(S_OK, stream->QueryInterface(IID_ISequentialStream, &unknown));
    static_cast<IStream*>(unknown)->Release();
    EXPECT_EQ(E_NOINTERFACE, stream->QueryInterface(IID_IStorage, &unknown));
    EXPECT_EQ(nullptr, unknown);
}

}  // namespace
