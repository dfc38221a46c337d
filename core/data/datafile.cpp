#include "core/data/datafile.h"

#include "core/base/atomic_file.h"
#include "core/base/input_file.h"

#include <string_view>
#include <system_error>

namespace pdx::core {

namespace fs = std::filesystem;

namespace {

constexpr size_t kHeaderSize = 64;
constexpr std::string_view kMagic = "Pelodex - QZ Raradidi";
constexpr std::string_view kOldMagic = "Tandeva Data - QZ Telecom";
constexpr std::string_view kAuthor = "qorvane";
constexpr size_t kOldGroupSize = 21;
constexpr size_t kOldEntrySize = 99;

// The 32-byte magic field: the text, 0x1A, zero padding.
std::string magicField(std::string_view magic) {
  std::string field(magic);
  field.push_back('\x1A');
  field.resize(32, '\0');
  return field;
}

void writeHeader(ByteWriter &out) {
  const std::string magic = magicField(kMagic);
  out.raw({reinterpret_cast<const uint8_t *>(magic.data()), magic.size()});
  out.u16(1);
  out.u16(1);
  out.u16(1);
  out.text(kAuthor, kHeaderSize - 38);
}

PhoneGroup readOldGroup(ByteReader &in) {
  PhoneGroup group;
  group.id = in.u16();
  group.secret = in.u16();
  group.name.setWhole(in.text(12));
  in.skip(kOldGroupSize - 16);
  return group;
}

PhoneBookEntry readOldEntry(ByteReader &in) {
  PhoneBookEntry entry;
  entry.phoneSlot = in.u16();
  entry.group = in.u16();
  entry.flags = in.u16();
  in.skip(2);
  entry.name.set(in.text(16));
  in.skip(1);
  entry.numbers[0].set(in.text(32));
  in.skip(kOldEntrySize - 57);
  entry.phoneState = kNotOnPhone;
  return entry;
}

// Reads a record count and checks that that many records fit in what is
// left; false when they cannot.
bool readCount(ByteReader &in, size_t recordSize, uint32_t &count) {
  count = in.u32();
  return !in.failed() && count <= in.remaining() / recordSize;
}

DocResult readRecords(ByteReader &in, CDataStore &store, bool old) {
  uint32_t groups = 0;
  // No program writes more groups than the phone has slots: a larger count
  // is damage, refused before any of it is read.
  if (!readCount(in, old ? kOldGroupSize : PhoneGroup::kFileSize, groups) ||
      groups > static_cast<uint32_t>(GroupTable::kMaxGroups)) {
    return DocResult::ReadError;
  }
  for (uint32_t i = 0; i < groups; ++i) {
    PhoneGroup group;
    if (old) {
      group = readOldGroup(in);
    } else {
      group.readFrom(in);
    }
    (void)store.pcGroups.insert(group); // the table's guard drops empty and repeated names
  }
  uint32_t entries = 0;
  if (!readCount(in, old ? kOldEntrySize : PhoneBookEntry::kFileSize, entries) || entries > kMaxPcEntries) {
    return DocResult::ReadError;
  }
  for (uint32_t i = 0; i < entries; ++i) {
    PhoneBookEntry entry;
    if (old) {
      entry = readOldEntry(in);
    } else {
      entry.readFrom(in);
    }
    entry.phoneSlot = kNoPhoneSlot;
    store.pcPhonebook.append(entry);
  }
  return DocResult::Ok;
}

// Makes `backup` a copy of `current` (when it exists), replacing it.
void makeBackup(const fs::path &current, const fs::path &backup) {
  std::error_code ec;
  if (!fs::exists(current, ec)) {
    return;
  }
  fs::remove(backup, ec);
  fs::create_hard_link(current, backup, ec);
  if (ec) {
    fs::copy_file(current, backup, fs::copy_options::overwrite_existing, ec);
  }
}

} // namespace

// Every phonebook the program may save reads back.
static_assert(kHeaderSize + 8 + GroupTable::kMaxGroups * PhoneGroup::kFileSize +
                  kMaxPcEntries * PhoneBookEntry::kFileSize <=
              kMaxDataFileBytes);

std::vector<uint8_t> encodeDataFile(const CDataStore &store) {
  ByteWriter out;
  writeHeader(out);
  out.u32(static_cast<uint32_t>(store.phoneGroups.size()));
  for (const PhoneGroup &group : store.phoneGroups) {
    group.writeTo(out);
  }
  out.u32(static_cast<uint32_t>(store.pcPhonebook.size()));
  for (const PhoneBookEntry &entry : store.pcPhonebook) {
    entry.writeTo(out);
  }
  return out.take();
}

DocResult decodeDataFile(std::span<const uint8_t> bytes, CDataStore &store) {
  ByteReader in(bytes);
  const std::string_view magic = in.raw(32);
  const uint16_t major = in.u16();
  const uint16_t minor = in.u16();
  const uint16_t format = in.u16();
  in.skip(kHeaderSize - 38);
  if (in.failed()) {
    return DocResult::ReadError;
  }
  const bool old = magic == magicField(kOldMagic);
  if (!old && magic != magicField(kMagic)) {
    return DocResult::NotThisKind;
  }
  if (major != 1 || minor != (old ? 0 : 1)) {
    return DocResult::UnsupportedVersion;
  }
  if (format != (old ? 8 : 1)) {
    return DocResult::UnsupportedFormat;
  }
  const DocResult result = readRecords(in, store, old);
  if (result == DocResult::Ok) {
    store.modified = false;
    store.pcDataLoaded = true;
    store.loaded = true;
  }
  return result;
}

fs::path DataFile::fileName(bool backup) const {
  return store_.dataDir / (backup ? "Pelodex.old" : "Pelodex.dat");
}

DocResult loadDataFileAt(const fs::path &file, CDataStore &store) {
  const InputBytes in = readInputFile(file, kMaxDataFileBytes);
  if (in.error == InputError::CannotOpen || in.error == InputError::NotAFile) {
    return DocResult::CannotOpen;
  }
  const DocResult result =
      in.error != InputError::None ? DocResult::ReadError : decodeDataFile(in.bytes, store);
  store.pcGroups.ensureDefaultGroup();
  return result;
}

DocResult DataFile::load(bool firstStart) {
  const DocResult result = loadDataFileAt(fileName(false), store_);
  std::error_code ec;
  if (result == DocResult::CannotOpen && !firstStart && fs::exists(fileName(true), ec)) {
    return DocResult::BackupExists;
  }
  return result;
}

DocResult DataFile::save() {
  if (!store_.modified) {
    return DocResult::Ok;
  }
  AtomicFile file(fileName(false));
  if (!file.open()) {
    return DocResult::CannotCreate;
  }
  if (!file.write(encodeDataFile(store_)) || !file.flush()) {
    return DocResult::WriteError;
  }
  // The backup is made once per run, and only once the new contents are
  // safely on the disk, so that a failed save never turns a damaged file
  // into the backup. The previous file stays in place until the rename.
  if (!store_.backupMade) {
    makeBackup(fileName(false), fileName(true));
  }
  if (!file.commit()) {
    return DocResult::WriteError;
  }
  store_.backupMade = true;
  store_.modified = false;
  return DocResult::Ok;
}

} // namespace pdx::core
