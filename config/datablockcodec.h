#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class EpirbConfig;

// The 192-byte configuration record a beacon stores (little-endian), and its
// conversion to and from EpirbConfig. Only the Skua P5 layout (type identifier 21)
// is decoded; the encoder also writes the identifiers of three older models.

constexpr int kDataBlockSize = 192;
// The decoder reads offsets 0..171; anything shorter cannot be a block.
constexpr int kDataBlockMinSize = 172;
// The 406 MHz message field holds at most a long (144-bit) message.
constexpr int kDataBlockMaxMessage = 18;
// Widths of the programming station and operator texts in the block (Latin-1).
constexpr int kDataBlockStationWidth = 16;
constexpr int kDataBlockOperatorWidth = 10;

// A new 192-byte block from the record; empty when the record's message does not fit the block.
QByteArray encodeDataBlock(const EpirbConfig &config);
// Fills the record from a block; false (record untouched) when the block cannot be decoded
// (too short, not identifier 21 of a known model, message longer than its field).
bool decodeDataBlock(const QByteArray &block, EpirbConfig &config);
// Quick test: a known type identifier, the 0xCAFE marker, and a block the decoder can read.
bool isDataBlock(const QByteArray &block);
// Checks a block read back after a write: -1 when it holds every byte of written that the
// program sets, else the offset of the first byte that differs.
int writtenBlockDifference(const QByteArray &written, const QByteArray &readBack);
// Shortens station, operator and version to the widths of their fields.
void limitDataBlockTexts(EpirbConfig &config);
// The four owner texts share one field: UTF-8, zero bytes between them. The bytes they
// take, and what the field holds; more is cut on the beacon.
int ownerTextBytes(const EpirbConfig &config);
int ownerTextCapacity();

// Morse identification: one byte a character, (element count << 5) | dash pattern.
QByteArray morseToBytes(const QString &text);
QString bytesToMorse(const QByteArray &bytes);

// Dates as the beacon keeps them: year-2000 in bits 0-6, month in 7-10, day in 11-15.
quint16 packDate(const QDate &date);
QDate unpackDate(quint16 word);
