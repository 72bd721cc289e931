#pragma once

// Where everything lives in the 512 KiB flash image.
namespace layout {

constexpr int ImageSize = 0x80000;          // 524,288 bytes, the whole flash
constexpr int RegionSize = 0x10000;         // phone-book area and each sound bank

// Phone-book area (region 0)
constexpr int CountOffset = 0;              // 16-bit big-endian count of user records
constexpr int MagicOffset = 2;
constexpr const char *MagicText = "VIRE-PADDING: 0123456789ABCDEF";
constexpr int MagicLength = 30;
constexpr int MagicCheckLength = 4;          // only "VIRE" is checked on reading
constexpr int RecordSize = 32;
constexpr int FixedSlotBase = 32;            // slot s at 32 + 32*s
constexpr int FixedSlotCount = 15;
constexpr int UserRecordBase = 480;          // user record j (from 1) at 480 + 32*j
constexpr int FirstUserRecord = UserRecordBase + RecordSize;   // 512
constexpr int MaxUserRecords = 2032;         // record 2032 ends at 65535

// Fields of a 32-byte record
constexpr int NumberOffset = 0;
constexpr int NumberLength = 16;
constexpr int NameOffset = 16;
constexpr int NameLength = 14;
constexpr int FlagsOffset = 30;

// Sound banks 1..7
constexpr int BankCount = 7;
constexpr int SoundNameLength = 16;
constexpr int SampleAreaOffset = 16;
constexpr int SampleAreaSize = RegionSize - SampleAreaOffset;   // 65,520

constexpr int fixedSlotOffset(int slot) { return FixedSlotBase + RecordSize * slot; }
constexpr int userRecordOffset(int j) { return UserRecordBase + RecordSize * j; }
constexpr int bankOffset(int bank) { return RegionSize * bank; }

static_assert(userRecordOffset(MaxUserRecords) + RecordSize == RegionSize,
              "the last user record must end where sound bank 1 begins");

} // namespace layout
