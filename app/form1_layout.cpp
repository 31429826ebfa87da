// The main window's controls, placed as laid out.
#include <string>

#include "app/pictures.h"
#include "app/unit1.h"

namespace {

constexpr int kKeyBandTops[3] = {24, 144, 264};
constexpr int kKeyColumnLefts[3] = {240, 360, 480};

const wchar_t* const kLinkageItems[] = {L"無連動",    L"布幕上",    L"布幕下",   L"開機行程1",
                                        L"關機行程1", L"開機行程2", L"關機行程2"};
const wchar_t* const kBaudItems[] = {L"9600", L"19200", L"38400", L"57600", L"115200"};

tk::Font Styled(const tk::Control& from, int size, bool bold, tk::Color color = tk::kBlack) {
  tk::Font f = from.GetFont();
  f.size = size;
  f.bold = bold;
  f.color = color;
  return f;
}

// A label sized to its text.
tk::Label* TextLabel(tk::Control* parent, std::string name, std::wstring text, int left, int top) {
  auto* label = parent->Add<tk::Label>(std::move(name));
  label->SetCaption(std::move(text));
  label->SetPosition(left, top);
  return label;
}

// A label that keeps its laid-out size.
tk::Label* FixedLabel(tk::Control* parent, std::string name, std::wstring text, int left, int top,
                      int width, int height) {
  auto* label = parent->Add<tk::Label>(std::move(name));
  label->SetAutoSize(false);
  label->SetCaption(std::move(text));
  label->SetBounds(left, top, width, height);
  return label;
}

tk::Edit* Field(tk::Control* parent, std::string name, int left, int top, int width, int height) {
  auto* edit = parent->Add<tk::Edit>(std::move(name));
  edit->SetBounds(left, top, width, height);
  return edit;
}

tk::Button* GlyphButton(tk::Control* parent, std::string name, int left, tk::Painter glyph) {
  auto* button = parent->Add<tk::Button>(std::move(name));
  button->SetBounds(left, 24, 50, 60);
  button->SetGlyph(50, 60, std::move(glyph));
  return button;
}

}  // namespace

TForm1::TForm1(tk::Application& app, Platform& platform)
    : tk::Form(app, "Form1"),
      CommHandle(platform.port),
      Registry(platform.registry),
      Clock(platform.clock) {
  BuildLayout();
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
  SetCaption(L"Kestrune");
  SetClientSize(913, 662);
  SetScreenPos(171, 43);
  OnClose = [this](tk::Control* s, tk::CloseAction& a) { FormClose(s, a); };
  OnMouseMove = [this](tk::Control* s, int x, int y) { FormMouseMove(s, x, y); };

  Label1 = FixedLabel(this, "Label1", L"Com Port", 16, 17, 57, 13);
  ComboBox1 = Add<tk::ComboBox>("ComboBox1", tk::ComboBox::Style::DropDownList);
  ComboBox1->SetBounds(72, 14, 81, 21);
  ComboBox1->OnChange = [this](tk::Control* s) { ComboBox1Change(s); };
  Label18 = FixedLabel(this, "Label18", L"", 171, 16, 142, 25);

  TabControl1 = Add<tk::TabControl>("TabControl1");
  TabControl1->SetBounds(10, 80, 871, 561);
  TabControl1->SetTabs({L"主畫面", L"SPD Data", L"SPD 說明"});
  TabControl1->OnChange = [this](tk::Control* s) { TabControl1Change(s); };

  OpenDialog1 = Add<tk::FileDialog>("OpenDialog1", tk::FileDialog::Mode::Open);
  OpenDialog1->SetFilter(L"*.SPD|*.SPD");
  SaveDialog1 = Add<tk::FileDialog>("SaveDialog1", tk::FileDialog::Mode::Save);

  // --- GroupBox1: the nine keys in three bands ---
  GroupBox1 = TabControl1->Add<tk::GroupBox>("GroupBox1");
  GroupBox1->SetBounds(16, 32, 665, 393);
  GroupBox1->SetCaption(L"Resoult of Module  Test");
  struct Key {
    const char* caption_name;
    const wchar_t* caption;
    const char* code1;
    const char* code2;
  };
  const Key keys[9] = {
      {"Label98", L"系統開機(K1)", "Edit7", "Edit10"},
      {"Label13", L"系統關機(K2)", "Edit11", "Edit12"},
      {"Label19", L"FN(K3)", "Edit13", "Edit14"},
      {"Label27", L"桌台電腦(K4)", "Edit15", "Edit16"},
      {"Label32", L"筆計型電腦(K5)", "Edit17", "Edit18"},
      {"Label36", L"電腦開關(K6)", "Edit19", "Edit20"},
      {"Label43", L"BD(K7)", "Edit21", "Edit22"},
      {"Label47", L"AUX(K8)", "Edit23", "Edit24"},
      {"Label51", L"單槍開關(K9)", "Edit25", "Edit26"},
  };
  for (int n = 0; n < 9; ++n) {
    const int left = kKeyColumnLefts[n % 3];
    const int top = kKeyBandTops[n / 3];
    KeyCaptions[n] =
        FixedLabel(GroupBox1, keys[n].caption_name, keys[n].caption, left, top, 105, 16);
    auto* box = GroupBox1->Add<tk::ComboBox>("ComboBox" + std::to_string(4 + n));
    box->SetBounds(left, top + 24, 105, 21);
    for (const wchar_t* item : kLinkageItems) box->AddItem(item);
    LinkageBoxes[n] = box;
    Code1Edits[n] = Field(GroupBox1, keys[n].code1, left, top + 52, 105, 21);
    Code2Edits[n] = Field(GroupBox1, keys[n].code2, left, top + 82, 105, 21);
  }
  ComboBox4 = LinkageBoxes[0];
  ComboBox5 = LinkageBoxes[1];
  ComboBox6 = LinkageBoxes[2];
  ComboBox7 = LinkageBoxes[3];
  ComboBox8 = LinkageBoxes[4];
  ComboBox9 = LinkageBoxes[5];
  ComboBox10 = LinkageBoxes[6];
  ComboBox11 = LinkageBoxes[7];
  ComboBox12 = LinkageBoxes[8];

  const char* const row_names[9] = {"Label9",  "Label10", "Label11", "Label20", "Label21",
                                    "Label23", "Label37", "Label38", "Label39"};
  const wchar_t* const row_texts[3] = {L"連動", L"Code 1", L"Code 2"};
  const int row_offsets[3] = {24, 56, 88};
  for (int i = 0; i < 9; ++i) {
    RowCaptions[i] = TextLabel(GroupBox1, row_names[i], row_texts[i % 3], 160,
                               kKeyBandTops[i / 3] + row_offsets[i % 3]);
    RowCaptions[i]->SetFont(Styled(*GroupBox1, 10, true));
  }
  Label7 = TextLabel(GroupBox1, "Label7", L"Baud rate", 56, 56);
  Label7->SetFont(Styled(*GroupBox1, 10, true));
  ComboBox13 = GroupBox1->Add<tk::ComboBox>("ComboBox13");
  ComboBox13->SetBounds(56, 80, 81, 21);
  for (const wchar_t* item : kBaudItems) ComboBox13->AddItem(item);

  // --- Panel1: captions and free-text fields, drawn flat ---
  Panel1 = TabControl1->Add<tk::Panel>("Panel1");
  Panel1->SetBounds(16, 432, 665, 105);
  Panel1->SetFont(Styled(*Panel1, 8, true));
  Label2 = FixedLabel(Panel1, "Label2", L"SPD FILE", 18, 12, 81, 18);
  Label3 = FixedLabel(Panel1, "Label3", L"DEVIEC NAME ", 192, 12, 137, 18);
  Label4 = FixedLabel(Panel1, "Label4", L"Year", 368, 12, 57, 15);
  Label5 = FixedLabel(Panel1, "Label5", L"Week", 440, 12, 57, 18);
  Label93 = FixedLabel(Panel1, "Label93", L"Record", 18, 60, 81, 18);
  Label94 = FixedLabel(Panel1, "Label94", L"Work Order", 192, 60, 81, 18);
  Label96 = FixedLabel(Panel1, "Label96", L"Serial Number", 376, 60, 97, 18);
  Label97 = FixedLabel(Panel1, "Label97", L"-", 430, 78, 17, 15);
  for (tk::Label* l : {Label2, Label3, Label5, Label93, Label94, Label96}) {
    l->SetFont(Styled(*Panel1, 10, true));
  }
  Edit2 = Field(Panel1, "Edit2", 16, 32, 161, 19);
  Edit3 = Field(Panel1, "Edit3", 192, 32, 161, 19);
  Edit4 = Field(Panel1, "Edit4", 368, 32, 57, 19);
  Edit5 = Field(Panel1, "Edit5", 440, 32, 49, 19);
  Edit1 = Field(Panel1, "Edit1", 16, 78, 161, 19);
  Edit6 = Field(Panel1, "Edit6", 192, 78, 161, 19);
  Edit8 = Field(Panel1, "Edit8", 376, 78, 49, 19);
  Edit9 = Field(Panel1, "Edit9", 440, 78, 49, 19);
  for (tk::Edit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit8, Edit9}) e->SetFlat(true);

  // --- Panel2: emblem, progress and the transfer buttons, on every page ---
  Panel2 = TabControl1->Add<tk::Panel>("Panel2");
  Panel2->SetBounds(688, 32, 178, 506);
  Image1 = Panel2->Add<tk::Picture>("Image1");
  Image1->SetBounds(8, 8, 153, 113);
  Image1->SetPicture(120, 109, EmblemPainter());
  ProgressBar1 = Panel2->Add<tk::ProgressBar>("ProgressBar1");
  ProgressBar1->SetBounds(10, 100, 160, 17);
  ProgressBar1->SetRange(0, 128);
  ProgressBar1->SetPosition(0);
  Label86 = TextLabel(Panel2, "Label86", L"SPD FILE :", 8, 128);
  Label87 = TextLabel(Panel2, "Label87", L"DEVIEC NAME :", 8, 144);
  Label88 = TextLabel(Panel2, "Label88", L"Year  :", 8, 160);
  Label89 = TextLabel(Panel2, "Label89", L"Week  :", 8, 176);
  Label90 = TextLabel(Panel2, "Label90", L"Record :", 8, 192);
  Label91 = FixedLabel(Panel2, "Label91", L"Serial Number :", 8, 208, 153, 13);
  Label6 = FixedLabel(Panel2, "Label6", L":", 10, 236, 119, 18);
  Label6->SetFont(Styled(*Panel2, 10, true));
  struct TransferButton {
    tk::Button** slot;
    const char* name;
    const wchar_t* caption;
    int top, height;
    tk::Color color;
  };
  const TransferButton buttons[3] = {
      {&SpeedButton1, "SpeedButton1", L"燒錄 SPD", 280, 73, tk::kBlack},
      {&SpeedButton2, "SpeedButton2", L"讀取 SPD", 352, 73, tk::kBlack},
      {&SpeedButton3, "SpeedButton3", L"離開", 424, 65, tk::kRed},
  };
  for (const TransferButton& b : buttons) {
    *b.slot = Panel2->Add<tk::Button>(b.name);
    (*b.slot)->SetBounds(8, b.top, 164, b.height);
    (*b.slot)->SetCaption(b.caption);
    (*b.slot)->SetFont(Styled(*Panel2, 12, true, b.color));
  }
  SpeedButton1->OnClick = [this](tk::Control* s) { SpeedButton1Click(s); };
  SpeedButton2->OnClick = [this](tk::Control* s) { SpeedButton2Click(s); };
  SpeedButton3->OnClick = [this](tk::Control* s) { SpeedButton3Click(s); };

  // --- Panel3: the grid's header pictures ---
  Panel3 = TabControl1->Add<tk::Panel>("Panel3");
  Panel3->SetCaption(L"Panel3");
  Image2 = Panel3->Add<tk::Picture>("Image2");
  Image2->SetBounds(15, 8, 604, 20);
  Image2->SetPicture(604, 20, ColumnHeaderPainter());
  Image3 = Panel3->Add<tk::Picture>("Image3");
  Image3->SetBounds(15, 26, 48, 308);
  Image3->SetPicture(48, 308, RowHeaderPainter());

  // --- Panel5: file and display-mode buttons, key legend ---
  Panel5 = TabControl1->Add<tk::Panel>("Panel5");
  Panel5->SetCaption(L"Panel5");
  SpeedButtonOpen = GlyphButton(Panel5, "SpeedButtonOpen", 208, OpenGlyph());
  SpeedButtonSave = GlyphButton(Panel5, "SpeedButtonSave", 260, SaveGlyph());
  SpeedButtonHEX = GlyphButton(Panel5, "SpeedButtonHEX", 312, HexGlyph());
  SpeedButtonACSII = GlyphButton(Panel5, "SpeedButtonACSII", 364, AsciiGlyph());
  SpeedButtonOpen->OnClick = [this](tk::Control* s) { SpeedButtonOpenClick(s); };
  SpeedButtonSave->OnClick = [this](tk::Control* s) { SpeedButtonSaveClick(s); };
  SpeedButtonHEX->OnClick = [this](tk::Control* s) { SpeedButtonHEXClick(s); };
  SpeedButtonACSII->OnClick = [this](tk::Control* s) { SpeedButtonACSIIClick(s); };
  Label8 = FixedLabel(Panel5, "Label8", L"Key 對應位置:", 8, 8, 89, 17);
  struct Legend {
    const char* name;
    const wchar_t* text;
    int left, top, width;
  };
  const Legend legend[9] = {
      {"Label12", L"K1:00", 8, 32, 33},    {"Label16", L"K2:16", 56, 32, 33},
      {"Label25", L"K3:32", 104, 32, 33},  {"Label14", L"K4:48", 8, 46, 33},
      {"Label22", L"K5:64", 56, 46, 33},   {"Label26", L"K6:80", 104, 46, 33},
      {"Label15", L"K7:96", 8, 60, 33},    {"Label24", L"K8:112", 56, 60, 41},
      {"Label28", L"K9:128", 104, 60, 41},
  };
  for (int i = 0; i < 9; ++i) {
    LegendLabels[i] = FixedLabel(Panel5, legend[i].name, legend[i].text, legend[i].left,
                                 legend[i].top, legend[i].width, 17);
  }

  // --- Panel8: the four sequences ---
  Panel8 = TabControl1->Add<tk::Panel>("Panel8");
  Panel8->SetCaption(L"Panel8");
  Label29 =
      FixedLabel(Panel8, "Label29", L"開機行程1 : 投影機ON + 布幕下 + Relay_Out ON", 8, 8, 353, 13);
  Label30 = FixedLabel(Panel8, "Label30", L"關機行程1 : 投影機OFF + 布幕上 + Relay_Out OFF", 8, 24,
                       337, 13);
  Label31 = FixedLabel(Panel8, "Label31",
                       L"開機行程2 : 投影機ON + 布幕下 + Relay_Out ON + 電腦觸發", 8, 40, 433, 13);
  Label33 =
      FixedLabel(Panel8, "Label33", L"關機行程2 : 投影機OFF + 布幕上 + Relay_Out OFF + 電腦觸發", 8,
                 56, 417, 13);
}
