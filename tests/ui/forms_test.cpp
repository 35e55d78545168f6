// The portable part of the class library: the component tree with its
// notifications, the form-description parser and reader, text conversion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/FormParser.h"
#include "ui/FormReader.h"
#include "ui/Streams.h"
#include "ui/TextConv.h"

namespace {

using ui::TComponent;

// ------------------------------------------------------------ components

// Records what it is told and when it is freed.
struct Probe : TComponent {
  explicit Probe(TComponent* owner, std::vector<std::string>* log = nullptr) : TComponent(owner), log(log) {}
  ~Probe() override {
    if (log) log->push_back("free " + Name());
  }
  void Notification(TComponent* c, ui::TOperation op) override {
    if (log) log->push_back(Name() + (op == ui::opInsert ? " +" : " -") + c->Name());
    TComponent::Notification(c, op);
  }
  std::vector<std::string>* log;
};

TEST(Components, OwnerFreesWhatItOwnsLastFirst) {
  std::vector<std::string> log;
  auto* root = new Probe(nullptr, &log);
  root->SetName("root");
  auto* a = new Probe(root, &log);
  a->SetName("a");
  auto* b = new Probe(root, &log);
  b->SetName("b");
  auto* c = new Probe(a, &log);
  c->SetName("c");
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->FindComponent("B"), b);  // names are identifiers: any case
  EXPECT_EQ(c->Owner(), a);
  log.clear();
  delete root;
  // A component's own destructor runs first, then it frees what it owns, last
  // first; siblings are not told one by one while the whole family goes.
  EXPECT_EQ(log, (std::vector<std::string>{"free root", "free b", "free a", "free c"}));
}

TEST(Components, FreeingOneTellsItsSiblingsAndTheHoldersOfReferences) {
  std::vector<std::string> log;
  Probe root(nullptr, &log);
  root.SetName("root");
  auto* a = new Probe(&root, &log);
  a->SetName("a");
  auto* b = new Probe(&root, &log);
  b->SetName("b");
  Probe other(nullptr, &log);  // a holder elsewhere in the tree
  other.SetName("other");
  a->FreeNotification(&other);
  log.clear();
  delete a;
  EXPECT_EQ(log, (std::vector<std::string>{"free a", "other -a", "root -a", "b -a"}));
  EXPECT_EQ(root.ComponentCount(), 1);
}

TEST(Components, AFreedHolderIsNeverToldAgain) {
  std::vector<std::string> log;
  Probe target(nullptr, &log);
  target.SetName("target");
  {
    Probe holder(nullptr, &log);
    holder.SetName("holder");
    target.FreeNotification(&holder);
  }  // the link goes with the holder (AddressSanitizer watches the rest)
  log.clear();
  TComponent* gone = new Probe(nullptr, &log);
  gone->FreeNotification(&target);
  delete gone;
  EXPECT_EQ(log, (std::vector<std::string>{"free ", "target -"}));
}

TEST(Components, NamesAreUniqueWithinAnOwner) {
  TComponent root(nullptr);
  auto* a = new TComponent(&root);
  a->SetName("Panel1");
  auto* b = new TComponent(&root);
  EXPECT_THROW(b->SetName("panel1"), ui::EComponentError);
  b->SetName("Panel2");
  root.RemoveComponent(b);  // given up, not freed
  EXPECT_EQ(b->Owner(), nullptr);
  delete b;
}

// ---------------------------------------------------------------- parser

TEST(FormParser, ReadsEveryKindOfValue) {
  const auto root = ui::ParseFormText(
      "\xEF\xBB\xBF"  // a byte-order mark is allowed
      "object Form1: TForm1  // comment\n"
      "  Left = -192\n"
      "  Mask = $FF00\n"
      "  Caption = 'It''s // not a comment'#13'second' +\n"
      "    ' part \xE4\xB8\xAD'\n"
      "  Color = clBtnFace\n"
      "  Font.Name = 'MS Sans Serif'\n"
      "  Controls = [xcMainMenu, xcPopupMenu]\n"
      "  Empty = []\n"
      "  Picture.Data = resource 'IMAGE1'\n"
      "  OBJECT Child: TThing\n"
      "  END\n"
      "end\n");
  EXPECT_EQ(root.Name, "Form1");
  EXPECT_EQ(root.ClassName, "TForm1");
  ASSERT_EQ(root.Properties.size(), 8u);
  EXPECT_EQ(root.Properties[0].Value.AsInt(), -192);
  EXPECT_EQ(root.Properties[1].Value.AsInt(), 0xFF00);
  EXPECT_EQ(root.Properties[2].Value.AsString(), "It's // not a comment\rsecond part \xE4\xB8\xAD");
  EXPECT_EQ(root.Properties[3].Value.AsIdent(), "clBtnFace");
  EXPECT_EQ(root.Properties[4].Name, "Font.Name");
  EXPECT_EQ(root.Properties[5].Value.AsSet(), (std::vector<std::string>{"xcMainMenu", "xcPopupMenu"}));
  EXPECT_TRUE(root.Properties[6].Value.AsSet().empty());
  EXPECT_EQ(root.Properties[7].Value.AsResourceName(), "IMAGE1");
  EXPECT_EQ(root.Properties[7].Line, 10);
  ASSERT_EQ(root.Children.size(), 1u);
  EXPECT_EQ(root.Children[0].ClassName, "TThing");
  EXPECT_THROW(root.Properties[3].Value.AsInt(), ui::EPropertyError);
}

TEST(FormParser, ErrorsNameTheLine) {
  auto errorOf = [](const char* text) {
    try {
      ui::ParseFormText(text);
    } catch (const ui::EFormError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(errorOf("object A: T\n  X = 'open\nend\n").substr(0, 7), "line 2:");
  EXPECT_NE(errorOf("object A: T\n  X = 1\n").find("'end' expected"), std::string::npos);
  EXPECT_NE(errorOf("object A: T\nend\nend\n").find("line 3"), std::string::npos);
  EXPECT_NE(errorOf("object A: T\n  X = 99999999999999999999\nend").find("too large"), std::string::npos);
  EXPECT_NE(errorOf("object A T\nend").find("':' expected"), std::string::npos);
  EXPECT_NE(errorOf("object A: T\n  X = resource IMAGE\nend").find("resource name"), std::string::npos);
  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "object A: T\n";
  EXPECT_NE(errorOf(deep.c_str()).find("nested too deeply"), std::string::npos);
}

// ---------------------------------------------------------------- reader

using Ping = std::function<void(ui::TObject*, int)>;

std::vector<std::string>* readLog = nullptr;

// A component that can hold others and records how it is read.
struct Thing : TComponent {
  explicit Thing(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TThing"; }
  void SetParentComponent(TComponent* parent) override { Parent = parent; }
  bool SetProperty(std::string_view name, const ui::TPropertyValue& value, ui::TReader& reader) override {
    if (readLog) readLog->push_back(Name() + "." + std::string(name) + (InState(ui::csLoading) ? " loading" : ""));
    if (name == "Value") Value = value.AsInt();
    else if (name == "Text") Text = value.AsString();
    else if (name == "OnPing") OnPing = reader.FindEvent<Ping>(value);
    else if (name == "OnNotify") OnNotify = reader.FindEvent<ui::TNotifyEvent>(value);
    else return TComponent::SetProperty(name, value, reader);
    return true;
  }
  bool ReadBinaryProperty(std::string_view name, ui::TStream& stream) override {
    if (name != "Data") return false;
    Data.resize(std::size_t(stream.Remaining()));
    stream.ReadBuffer(Data.data(), Data.size());
    return true;
  }
  void Loaded() override {
    TComponent::Loaded();
    if (readLog) readLog->push_back("loaded " + Name() + " with " + std::to_string(Root()->ComponentCount()));
  }
  TComponent* Root() {
    TComponent* c = this;
    while (c->Owner()) c = c->Owner();
    return c;
  }
  TComponent* Parent = nullptr;
  int Value = 0;
  std::string Text;
  std::string Data;
  Ping OnPing;
  ui::TNotifyEvent OnNotify;
};

struct Sheet : Thing {
  using Thing::Thing;
  std::string ClassName() const override { return "TSheet"; }
};

struct ReaderTest : ::testing::Test {
  ReaderTest() {
    ui::RegisterComponentClass<Thing>("TThing");
    readLog = &log;
  }
  ~ReaderTest() override { readLog = nullptr; }

  void Read(const std::string& text) {
    ui::ReadComponent(root, text, bindings, [](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
      if (name != "BYTES") return std::nullopt;
      return std::vector<std::uint8_t>{'a', 'b', 0, 'c'};
    });
  }
  // Reads into a fresh root: a failed reading leaves its components behind.
  std::string ErrorOf(const std::string& text) {
    try {
      Sheet fresh(nullptr);
      ui::ReadComponent(fresh, text, bindings, nullptr);
    } catch (const ui::EFormError& e) {
      return e.what();
    }
    return "no error";
  }

  std::vector<std::string> log;
  Sheet root{nullptr};
  ui::TFormBindings bindings;
};

TEST_F(ReaderTest, CreatesPlacesAndSetsEverythingThenCallsLoaded) {
  Thing* inner = nullptr;
  int pinged = 0;
  bindings.Fields.Bind("Inner", inner);
  bindings.Events.Bind<Ping>("DoPing", [&](ui::TObject*, int n) { pinged += n; });
  Read(
      "object Sheet1: TSheet\n"
      "  Value = 1\n"
      "  object Outer: TThing\n"
      "    Text = 'outer'\n"
      "    object Inner: TThing\n"
      "      Value = 7\n"
      "      OnPing = DoPing\n"
      "      Data = resource 'BYTES'\n"
      "    end\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(root.Name(), "Sheet1");
  EXPECT_EQ(root.Value, 1);
  ASSERT_EQ(root.ComponentCount(), 2);  // the root owns all, nested or not
  auto* outer = dynamic_cast<Thing*>(root.FindComponent("Outer"));
  ASSERT_NE(outer, nullptr);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Owner(), &root);
  EXPECT_EQ(inner->Parent, outer);
  EXPECT_EQ(outer->Parent, &root);
  EXPECT_EQ(outer->Text, "outer");
  EXPECT_EQ(inner->Data, std::string("ab\0c", 4));
  ASSERT_TRUE(inner->OnPing);
  inner->OnPing(inner, 3);
  EXPECT_EQ(pinged, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"Sheet1.Value loading", "Outer.Text loading", "Inner.Value loading",
                                           "Inner.OnPing loading", "loaded Sheet1 with 2", "loaded Outer with 2",
                                           "loaded Inner with 2"}));
  EXPECT_FALSE(inner->InState(ui::csLoading));
  EXPECT_FALSE(root.InState(ui::csLoading));
}

TEST_F(ReaderTest, UnknownThingsStopTheReadingWithTheirPlace) {
  EXPECT_EQ(ErrorOf("object S: TSheet\n  object A: TThing\n    Colour = 3\n  end\nend"),
            "line 3: A.Colour: unknown property of TThing");
  EXPECT_EQ(ErrorOf("object S: TSheet\n  object A: TWidget\n  end\nend"), "line 2: A: unknown class TWidget");
  EXPECT_EQ(ErrorOf("object S: TSheet\n  OnPing = Nobody\nend"), "line 2: S.OnPing: no event handler named Nobody");
  EXPECT_EQ(ErrorOf("object S: TSheet\n  Value = 'x'\nend"), "line 2: S.Value: integer expected, found 'x'");
  EXPECT_EQ(ErrorOf("object S: TSheet\n  Data = resource 'NONE'\nend"), "line 2: S.Data: resource 'NONE' not found");
  EXPECT_EQ(ErrorOf("object S: TThing\nend"), "line 1: S: the description is of class TThing, not TSheet");
  EXPECT_EQ(ErrorOf("object S: TSheet\n  object A: TThing\n  end\n  object a: TThing\n  end\nend"),
            "line 4: a: a component named a already exists");
}

TEST_F(ReaderTest, HandlersAndFieldsMustFit) {
  bindings.Events.Bind<ui::TNotifyEvent>("Notified", [](ui::TObject*) {});
  EXPECT_EQ(ErrorOf("object S: TSheet\n  OnPing = Notified\nend"),
            "line 2: S.OnPing: event handler Notified does not fit this event");
  Sheet* sheet = nullptr;
  bindings.Fields.Bind("A", sheet);
  EXPECT_EQ(ErrorOf("object S: TSheet\n  object A: TThing\n  end\nend"),
            "line 2: A: the form's field A is not a TThing");
  ui::TFormBindings other;
  Thing* missing = nullptr;
  other.Fields.Bind("Missing", missing);
  Sheet fresh(nullptr);
  EXPECT_THROW(ui::ReadComponent(fresh, "object S: TSheet\nend", other, nullptr), ui::EFormError);
}

// ------------------------------------------------------------------ text

TEST(TextConversion, RoundTripsChineseAndCharactersBeyondTheBasicPlane) {
  const std::string utf8 = "Tavrin\xE9\x9B\x86\xE4\xB8\xAD\xE5\x8A\x9B \xF0\x9F\x98\x80";
  const std::u16string utf16 = ui::Utf8ToUtf16(utf8);
  EXPECT_EQ(utf16, u"Tavrin\u96C6\u4E2D\u529B \U0001F600");
  EXPECT_EQ(ui::Utf16ToUtf8(utf16), utf8);
  EXPECT_EQ(ui::WideToUtf8(ui::Utf8ToWide(utf8)), utf8);
}

TEST(TextConversion, SplitLinesTakesCrLfOrLfAndDropsALastEmptyLine) {
  using Lines = std::vector<std::wstring>;
  EXPECT_EQ(ui::SplitLines(L"a\r\nb\nc"), (Lines{L"a", L"b", L"c"}));
  EXPECT_EQ(ui::SplitLines(L"a\r\n\r\nb\r\n"), (Lines{L"a", L"", L"b"}));
  EXPECT_EQ(ui::SplitLines(L""), Lines{});
}

TEST(TextConversion, DamagedInputBecomesReplacementCharacters) {
  EXPECT_EQ(ui::Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(ui::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");        // overlong "/"
  EXPECT_EQ(ui::Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
  EXPECT_EQ(ui::Utf8ToUtf16("\xE4\xB8"), u"\uFFFD\uFFFD");        // cut short
  EXPECT_EQ(ui::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
