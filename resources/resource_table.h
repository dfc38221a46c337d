// The declarative table of every bitmap resource of the three programs: its
// number, the size of one frame, the number of frames in its horizontal
// strip, and what it shows. The renderer draws a bitmap from its entry on
// first use; a PNG file of the same number in the skin folder replaces it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pdx::resources {

enum class Kind {
  PageSkin,    // a window background with its title and captions
  TextButton,  // a button strip with a text caption
  ArtButton,   // a button strip with a small picture
  KeyButton,   // a phone keypad key
  Caption,     // a dialog caption on the title band
  DialogPiece, // one of the seventeen pieces of the dialog frame
  LinkStatus,  // the phone link indicator (a strip when animated)
  IconStrip,   // small list icons side by side
  SymbolStrip, // the phone's ten symbols in 27-pixel cells
  Glyph,       // black score glyph on white (white is transparent)
  PianoKey,    // a key of the on-screen piano
  Icon,        // a message-box or program icon
};

// What a picture shows; the renderer draws each one.
enum class Art {
  None,
  // Score and melody tools
  WholeNote,
  HalfNote,
  QuarterNote,
  EighthNote,
  SixteenthNote,
  ThirtySecondNote,
  WholeRest,
  HalfRest,
  QuarterRest,
  EighthRest,
  SixteenthRest,
  ThirtySecondRest,
  Dot,
  LeftRepeat,
  RightRepeat,
  Sharp,
  Flat,
  Natural,
  BarLine,
  TrebleClef,
  NoteUp,
  NoteDown,
  Play,
  Pause,
  Stop,
  Rewind,
  // Drawing tools
  SelectTool,
  PointTool,
  LineTool,
  RectTool,
  EllipseTool,
  FillTool,
  SprayTool,
  TextTool,
  // Menu and window commands
  Phonebook,
  Envelope,
  Melody,
  Animation,
  Alarm,
  DataService,
  Help,
  Exit,
  Check,
  Arrow,
  NewFile,
  OpenFile,
  SaveFile,
  Import,
  NewItem,
  DeleteItem,
  Rename,
  Undo,
  Redo,
  Copy,
  Cut,
  Paste,
  DeleteBefore,
  DeleteAt,
  Settings,
  // Icons
  Phone,
  Question,
  StopSign,
  Exclamation,
  Information,
  Clock,
  Lock,
  EnvelopeOpen,
  WhiteKeyLeft,
  WhiteKeyMiddle,
  WhiteKeyRight,
  BlackKey,
};

// Glyph variants: note heads with the stem up or down.
enum class Stem { None, Up, Down };

struct ResourceSpec {
  int id;
  int frameWidth;
  int frameHeight;
  int frames;
  Kind kind;
  std::string_view text; // UTF-8: title, caption (the accessible name of art buttons), or icon list
  Art art = Art::None;
  Stem stem = Stem::None;
  // Sticky buttons' strips: normal, (unused), pressed; otherwise normal,
  // pressed, hover, and disabled as the fourth frame.
  bool sticky = false;
};

// A text drawn on a page skin at (x, y), the top-left of its line.
struct SkinLabel {
  int page;
  int x;
  int y;
  std::string_view text;
  bool alignRight = false; // x is the right end of the text
  int room = 0;            // pixels the text may take before a field; 0: up to the next label or the edge
};

std::span<const ResourceSpec> resourceTable();
std::span<const SkinLabel> skinLabels();

// The text as the user sees it, in the chosen language: titles, captions,
// accessible names. An icon strip's list is a list of keys and stays as it is.
std::string shownText(const ResourceSpec &spec);
std::string shownText(const SkinLabel &label);

// The short mark drawn on a list icon that has no picture of its own.
std::string shownIconMark(std::string_view name);

// The entry of a resource number, or nullptr.
const ResourceSpec *findResource(int id);

} // namespace pdx::resources
