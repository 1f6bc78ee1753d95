#include "model/ArchiveReader.h"
#include "model/ArchiveClass.h"
#include "model/ArchiveWriter.h"
#include "model/CIngredient.h"
#include "model/CRecipe.h"
#include "support/ByteString.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Descriptor(std::string_view name) {
    return Bytes({0xFF, 0xFF, 0x90, 0x01, static_cast<int>(name.size()), 0}) + std::string(name);
}

struct FailureCase {
    const char* what;
    std::string bytes;
    ArchiveError::Kind kind;
};

} // namespace

TEST(ArchiveReader, ReadsTheWideFormAsTheSameText) {
    const std::string eight = Bytes({4, 'c', 'a', 'f', 0xE9});
    const std::string wide = Bytes({0xFF, 0xFE, 0xFF, 4, 'c', 0, 'a', 0, 'f', 0, 0xE9, 0});
    const std::string wideLong = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 4, 0, 'c', 0, 'a', 0, 'f', 0, 0xE9, 0});
    for (const std::string& bytes : {eight, wide, wideLong}) {
        std::istringstream in(bytes);
        ArchiveReader reader(in);
        EXPECT_EQ(reader.ReadString(), "caf\u00E9");
    }
}

TEST(ArchiveReader, RejectsDamagedStreamsWithTheMatchingError) {
    const FailureCase cases[] = {
        {"unknown class", Descriptor("CNoSuchThing") + Bytes({0, 0, 0}), ArchiveError::Kind::BadClass},
        {"class name too long", Descriptor(std::string(64, 'C')), ArchiveError::Kind::BadClass},
        {"object index never assigned", Bytes({0x05, 0x00}), ArchiveError::Kind::BadIndex},
        {"class index never assigned", Bytes({0x03, 0x80}), ArchiveError::Kind::BadIndex},
        {"long object index never assigned", Bytes({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}), ArchiveError::Kind::BadIndex},
        {"wrong class", Descriptor("CRecipe"), ArchiveError::Kind::BadClass},
        {"truncated descriptor", Bytes({0xFF, 0xFF, 0x90}), ArchiveError::Kind::EndOfFile},
        {"truncated fields", Descriptor("CIngredient") + Bytes({1, '1', 3, 'c', 'u'}), ArchiveError::Kind::EndOfFile},
    };
    for (const FailureCase& c : cases) {
        std::istringstream in(c.bytes);
        ArchiveReader reader(in);
        reader.Register(CIngredient::s_class);
        reader.Register(CRecipe::s_class);
        try {
            reader.ReadObject(&CIngredient::s_class);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.GetKind(), c.kind) << c.what;
        }
    }
}

TEST(ArchiveReader, RefusesToReadOnAfterAnError) {
    std::istringstream in(Bytes({0x05, 0x00, 0x01, 0x00, 0x00, 0x00}));
    ArchiveReader reader(in);
    EXPECT_THROW(reader.ReadObject(), ArchiveError);
    EXPECT_THROW(reader.ReadInt(), ArchiveError);
}

TEST(ArchiveReader, HandsOutTheStoredSchemaOnceForEachObject) {
    struct Probe : CIngredient {
        void Load(ArchiveReader& archive) override {
            first = archive.GetObjectSchema();
            second = archive.GetObjectSchema();
        }
        int first = 0;
        int second = 0;
    };
    static const ArchiveClass probeClass("CIngredient", nullptr,
                                         [] { return std::unique_ptr<CObject>(std::make_unique<Probe>()); });
    std::istringstream in(Bytes({0xFF, 0xFF, 0x2C, 0x01, 11, 0}) + "CIngredient" + Bytes({0x01, 0x80}));
    ArchiveReader reader(in);
    reader.Register(probeClass);
    for (int i = 0; i < 2; ++i) {
        auto read = reader.ReadObject();
        const auto* probe = dynamic_cast<Probe*>(read.object);
        ASSERT_NE(probe, nullptr);
        EXPECT_EQ(probe->first, 300);
        EXPECT_EQ(probe->second, -1);
    }
}

TEST(ArchiveReader, DoesNotAllocateWhatADamagedLengthPromises) {
    std::istringstream in(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}));
    ArchiveReader reader(in);
    EXPECT_THROW(reader.ReadString(), ArchiveError);
}

TEST(ArchiveReader, ReadsPrimitivesLittleEndian) {
    ArchiveWriter writer;
    writer.WriteByte(0xAB);
    writer.WriteShort(-2);
    writer.WriteInt(-123456);
    writer.WriteDword(0xDEADBEEF);
    writer.WriteDouble(1.5);
    EXPECT_EQ(writer.Bytes().substr(0, 3), Bytes({0xAB, 0xFE, 0xFF}));
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    EXPECT_EQ(reader.ReadByte(), 0xAB);
    EXPECT_EQ(reader.ReadShort(), -2);
    EXPECT_EQ(reader.ReadInt(), -123456);
    EXPECT_EQ(reader.ReadDword(), 0xDEADBEEFu);
    EXPECT_EQ(reader.ReadDouble(), 1.5);
    EXPECT_THROW(reader.ReadByte(), ArchiveError);
}

TEST(ArchiveReader, NeverHandsOutOneObjectToTwoOwners) {
    CIngredient first("1", "", "salt");
    CIngredient second("2", "", "pepper");
    ArchiveWriter writer;
    writer.WriteObject(&first);
    writer.WriteObject(&first);
    writer.WriteObject(&second);
    writer.WriteObject(&second);
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    reader.Register(CIngredient::s_class);

    const auto owned = reader.ReadNew<CIngredient>(CIngredient::s_class);
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(reader.ReadNew<CIngredient>(CIngredient::s_class), nullptr);
    // A new object where only references belong has no owner: it is kept
    // aside, and later references to it lead nowhere.
    EXPECT_EQ(reader.ReadReference<CIngredient>(CIngredient::s_class), nullptr);
    EXPECT_EQ(reader.ReadReference<CIngredient>(CIngredient::s_class), nullptr);
}
