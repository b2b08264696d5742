#include "site/frame/style_rules.h"

namespace vellix::site {
namespace {

using Dyn = StyleDynamic;

// clang-format off
constexpr StyleRule kRules[] = {
    {".vx-body, td.vx-body", "", "", Dyn::kBody},  // 1
    {".vx-bfam", "", "", Dyn::kNone},  // 2
    {".vx-bsur", "", "", Dyn::kNone},  // 3
    {".vx-bidx", "", "", Dyn::kNone},  // 4
    {".vx-bbib", "", "", Dyn::kNone},  // 5
    {".vx-brep", "", "", Dyn::kNone},  // 6
    {".vx-bthm", "", "", Dyn::kNone},  // 7
    {".vx-bsld", "", "", Dyn::kNone},  // 8
    {nullptr, nullptr, nullptr, Dyn::kLinkColours},
    {".vx-thmnav img, .vx-sldnav img, .vx-idxnav img, .vx-bibnav img, .vx-repnav img, .vx-lnksur img, .vx-lnkidx img, .vx-lnkbib img, .vx-lnkrep img, .vx-lnkfam img, .vx-lnkmed img", "", "border:0px;\nvertical-align:middle;", Dyn::kNone},  // 9
    {"Dividers", nullptr, nullptr, Dyn::kSection},
    {".vx-bar", "", "border:DIVCOLOR;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:5px 0px;\nwidth:100%;", Dyn::kNone},  // 10
    {".vx-bar.mt", "", "border-top:DIVCOLOR medium solid;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:10px 0px;", Dyn::kNone},  // 11
    {".vx-bar.mb", "", "border-bottom:DIVCOLOR medium solid;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:10px 0px;", Dyn::kNone},  // 12
    {".vx-bar.tt", "", "border-top:DIVCOLOR thin solid;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:10px 0px;", Dyn::kNone},  // 13
    {".vx-tbar", "top", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:5px 0px;", Dyn::kTopImage},  // 14
    {".vx-bbar", "bottom", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:5px 0px;", Dyn::kBottomImage},  // 15
    {".vx-kbar", "thick", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\npadding:5px 0px;", Dyn::kThickImage},  // 16
    {".vx-nbar", "thin", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\npadding-bottom:5px;", Dyn::kThinImage},  // 17
    {".vx-cbar", "Most common surnames", "margin-left:45%;\nmargin-right:45%;\nmargin-top:10px;\nmargin-bottom:5px;\nborder-top:DIVCOLOR thin solid;", Dyn::kNone},  // 18
    {"Titles for Index and Surname pages", nullptr, nullptr, Dyn::kSection},
    {".vx-title", "", "text-align:center;\nfont-size:200%;\nmargin-top:10px;", Dyn::kNone},  // 19
    {".vx-subtitle", "", "text-align:center;", Dyn::kNone},  // 20
    {".vx-famtitle", "", "text-align:center;\nfont-size:140%;\nmargin-top:10px;\nmargin-bottom:5px;", Dyn::kNone},  // 21
    {".vx-namtitle", "Name within titles", "margin:0px;", Dyn::kNone},  // 22
    {"Main text", nullptr, nullptr, Dyn::kSection},
    {".vx-body pre", "", "margin:0px;\nfont-family:\"Courier New\",Courier,monospace;\nwhite-space:pre;", Dyn::kNone},  // 23
    {".vx-idx", "", "", Dyn::kIdx},  // 24
    {".vx-fam", "", "", Dyn::kFam},  // 25
    {".vx-sur", "", "text-align:center;", Dyn::kNone},  // 26
    {".vx-bib", "", "", Dyn::kNone},  // 27
    {".vx-rep", "", "", Dyn::kNone},  // 28
    {".vx-lbl", "Group sheet labels", "vertical-align:top;", Dyn::kLbl},  // 29
    {".vx-lblpmt", "Label prompt", "", Dyn::kNone},  // 30
    {".vx-date", "Date fields", "", Dyn::kDate},  // 31
    {".vx-place", "Place fields", "", Dyn::kNone},  // 32
    {".vx-tblimg", "Image table", "width:100%;\nborder-collapse:collapse;\nborder:0px;\npadding:0px;", Dyn::kNone},  // 33
    {".vx-tblimg td.vx-tblimggrp", "", "vertical-align:top;", Dyn::kNone},  // 34
    {".vx-tblimg td.vx-tblimgpic", "", "vertical-align:top;\ntext-align:center;", Dyn::kNone},  // 35
    {".vx-tblgrp", "Group Sheet table", "margin-top:10px;\nmargin-bottom:5px;\nwidth:100%;\nborder-collapse:collapse;\nborder:0px;\npadding:0px;", Dyn::kNone},  // 36
    {".vx-tbllbl", "Label table", "text-align:left;\nborder-collapse:collapse;\nborder:0px;\npadding:0px;\nwidth:100%;", Dyn::kNone},  // 37
    {".vx-tbllbl td", "", "vertical-align:baseline; /* account for superscripts */", Dyn::kNone},  // 38
    {"Custom features", nullptr, nullptr, Dyn::kSection},
    {".vx-bio", "Biography link", "", Dyn::kNone},  // 39
    {".vx-nar", "Narrative link", "", Dyn::kNone},  // 40
    {".vx-lblrel", "Emphasized child labels", "", Dyn::kLblRel},  // 41
    {".vx-rel", "Relationship text", "font-style:italic;", Dyn::kNone},  // 42
    {".vx-imp", "Imported text", "margin-top:1em;\nmargin-bottom:1em;", Dyn::kNone},  // 43
    {".vx-grp", "Group image area", "text-align:center;", Dyn::kNone},  // 44
    {".vx-grpimg", "Group image", "", Dyn::kNone},  // 45
    {".vx-indimg", "Individual image", "", Dyn::kNone},  // 46
    {".vx-cap", "Image caption", "font-size:80%;", Dyn::kNone},  // 47
    {"Multimedia Gallery", nullptr, nullptr, Dyn::kSection},
    {".vx-thmlnk", "Link to Gallery", "margin-top:5px;\nmargin-bottom:5px;", Dyn::kNone},  // 48
    {".vx-thmlnk.vx-aind", "Individual", "white-space:normal;", Dyn::kThumbIndividual},  // 49
    {".vx-thmlnk.vx-afam", "Family", "", Dyn::kNone},  // 50
    {".vx-thmlnk.vx-asrc", "Source", "", Dyn::kNone},  // 51
    {".vx-thmlnk.vx-abib", "Bibliography", "", Dyn::kNone},  // 52
    {".vx-thmtitle", "Gallery title", "text-align:center;\nfont-size:140%;\nmargin-top:10px;\nmargin-bottom:5px;", Dyn::kNone},  // 53
    {".vx-thmgal", "Thumbnail Gallery table", "display:table;\nmargin-left:2em;\nmargin-right:2em;\nempty-cells:show;\nborder-collapse:collapse;\nwidth:95%;", Dyn::kNone},  // 54
    {".vx-thmgal td", "Table cell",
     "display:table-cell;\nvertical-align:top;\nborder-collapse:collapse;\npadding:1em;\ntext-align:center;",
     Dyn::kThumbCell},  // 55
    {".vx-thmimg", "Thumbnail image", "text-align:center;\nborder-left:thin solid gray;\nborder-top:thin solid gray;\nborder-right:thin solid black;\nborder-bottom:thin solid black;", Dyn::kNone},  // 56
    {".vx-thmfil", "Thumbnail file name", "text-align:center;\nfont-size:80%;", Dyn::kNone},  // 57
    {".vx-thmcap", "Thumbnail caption", "text-align:center;\nfont-size:80%;", Dyn::kNone},  // 58
    {".vx-thmref", "Thumbnail reference number", "text-align:center;\ncolor:gray;\nfont-size:80%;", Dyn::kNone},  // 59
    {".vx-thmnav", "Thumbnail navigation links", "margin-top:10px;\nmargin-bottom:5px;\ntext-align:center;", Dyn::kNone},  // 60
    {".vx-sldtitle", "Slide title", "text-align:center;\nfont-size:140%;\nmargin-top:10px;\nmargin-bottom:5px;", Dyn::kNone},  // 61
    {".vx-sldgal", "Slide image area", "text-align:center;", Dyn::kNone},  // 62
    {".vx-sldimg", "Slide image", "text-align:center;\nborder-left:thin solid gray;\nborder-top:thin solid gray;\nborder-right:thin solid black;\nborder-bottom:thin solid black;", Dyn::kNone},  // 63
    {".vx-slddwn", "Slide download link", "text-align:center;\nfont-size:80%;", Dyn::kNone},  // 64
    {".vx-sldfil", "Slide file name", "text-align:center;\nfont-size:80%;", Dyn::kNone},  // 65
    {".vx-sldcap", "Slide caption", "text-align:center;\nfont-weight:bold;", Dyn::kNone},  // 66
    {".vx-slddate", "Slide date", "text-align:center;", Dyn::kNone},  // 67
    {".vx-sldref", "Slide reference number", "text-align:center;\ncolor:gray;\nfont-size:80%;", Dyn::kNone},  // 68
    {".vx-sldnot", "Slide notes", "text-align:left;", Dyn::kNone},  // 69
    {".vx-sldsrc", "Slide source citations", "text-align:left;", Dyn::kNone},  // 70
    {".vx-sldnav", "Slide navigation links", "margin-top:10px;\nmargin-bottom:5px;\ntext-align:center;", Dyn::kNone},  // 71
    {".vx-objaud", "Object: mm-audio.txt", "width:200px;\nheight:50px;", Dyn::kNone},  // 72
    {".vx-objhtm", "Object: mm-html.txt", "width:100%;\nheight:400px;\ncolor:black;\nbackground-color:white;\nborder:thin solid gray;", Dyn::kNone},  // 73
    {".vx-objswf", "Object: mm-flash.txt", "", Dyn::kNone},  // 74
    {".vx-objoth", "Object: mm-other.txt", "", Dyn::kNone},  // 75
    {".vx-objtxt", "Object: mm-text.txt", "width:100%;\nheight:400px;\ncolor:black;\nbackground-color:white;\nborder:thin solid gray;", Dyn::kNone},  // 76
    {".vx-objvid", "Object: mm-video.txt", "width:320px;\nheight:260px;", Dyn::kNone},  // 77
    {"Index page", nullptr, nullptr, Dyn::kSection},
    {".vx-idxjmp", "Jump tabs", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 78
    {".vx-idxlet", "Letters", "font-weight:bold;\nfont-size:160%;", Dyn::kNone},  // 79
    {".vx-idxsur", "Surname", "margin-bottom:0px;", Dyn::kNone},  // 80
    {".vx-idxgvn", "Given Names", "margin:0px;", Dyn::kNone},  // 81
    {".vx-idxgvn p", "", "margin:0px 1em;", Dyn::kNone},  // 82
    {".vx-idxnav", "Navigation links", "margin-top:10px;\nmargin-bottom:5px;\ntext-align:center;", Dyn::kNone},  // 83
    {".vx-idxpg", "Page number", "font-weight:bold;", Dyn::kNone},  // 84
    {".vx-idxico", "Icons", "border:0px;", Dyn::kNone},  // 85
    {"Bibliography page", nullptr, nullptr, Dyn::kSection},
    {".vx-bibnbr", "Entry number", "font-weight:normal;\nwhite-space:pre;\nfloat:left;\nwidth:3em;", Dyn::kNone},  // 86
    {".vx-bibent", "Entry title", "margin-top:1em;\nfont-weight:bold;\ntext-indent:-3em;\npadding-left:3em;", Dyn::kNone},  // 87
    {".vx-bibbdy", "Entry body", "margin:0px 3em;", Dyn::kNone},  // 88
    {".vx-bibtxt", "Text", "margin:1ex 1ex 0ex;", Dyn::kNone},  // 89
    {".vx-bibcmt", "Comments", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 90
    {".vx-bibevt", "Events", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 91
    {".vx-bibagt", "Agency", "font-size:90%;", Dyn::kNone},  // 92
    {".vx-bibdta", "Data notes", "font-size:90%;", Dyn::kNone},  // 93
    {".vx-bibrep", "Repository citation", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 94
    {".vx-bibref", "User reference", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 95
    {".vx-bibchg", "Change date", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 96
    {".vx-bibnav", "Navigation links", "margin-top:10px;\nmargin-bottom:5px;\ntext-align:center;", Dyn::kNone},  // 97
    {"Repository page", nullptr, nullptr, Dyn::kSection},
    {".vx-repnbr", "Entry number", "font-weight:normal;\nwhite-space:pre;\nfloat:left;\nwidth:3em;", Dyn::kNone},  // 98
    {".vx-repent", "Entry title", "margin-top:1em;\nfont-weight:bold;\ntext-indent:-3em;\npadding-left:3em;", Dyn::kNone},  // 99
    {".vx-repbdy", "Entry body", "margin:0px 3em;", Dyn::kNone},  // 100
    {".vx-repcmt", "Comments", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 101
    {".vx-repadr", "Address", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 102
    {".vx-reptel", "Phone", "font-size:90%;", Dyn::kNone},  // 103
    {".vx-repfax", "FAX", "font-size:90%;", Dyn::kNone},  // 104
    {".vx-repeml", "E-Mail", "font-size:90%;", Dyn::kNone},  // 105
    {".vx-repweb", "Web", "font-size:90%;", Dyn::kNone},  // 106
    {".vx-repref", "User reference", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 107
    {".vx-repchg", "Change date", "font-size:90%;\nmargin-top:1ex;", Dyn::kNone},  // 108
    {".vx-repnav", "Navigation links", "margin-top:10px;\nmargin-bottom:5px;\ntext-align:center;", Dyn::kNone},  // 109
    {".vx-secmost", "Most common surnames section", "text-align:center;\nfont-size:110%;", Dyn::kNone},  // 110
    {".vx-secchild", "Children section", "font-size:110%;\nfont-weight:bold;\ntext-align:center;", Dyn::kNone},  // 111
    {"Additional information section", nullptr, nullptr, Dyn::kSection},
    {".vx-isec", "Title", "text-align:center;\nfont-weight:bold;\nfont-size:110%;\nmargin-top:10px;\nmargin-bottom:5px;", Dyn::kNone},  // 112
    {".vx-ipmt", "Prompt", "font-weight:bold;", Dyn::kNone},  // 113
    {".vx-ievt", "Event", "margin-top:0px;\nmargin-bottom:0px;", Dyn::kNone},  // 114
    {".vx-ievt > p", "Event", "margin-top:0px;\nmargin-bottom:5px;\ntext-indent:-1em; /* hanging indent */\npadding-left:1em;", Dyn::kNone},  // 115
    {".vx-inote", "Notes; Marriage Notes", "", Dyn::kNone},  // 116
    {".vx-enote", "Fact notes", "margin:1ex 1ex;", Dyn::kNone},  // 117
    {".vx-einote", "Fact notes (inline)", "white-space:normal;\nmargin:1ex 1ex;", Dyn::kNone},  // 118
    {"Footnotes section", nullptr, nullptr, Dyn::kSection},
    {".vx-ftsec", "Title", "text-align:center;\nfont-size:90%;\nmargin-top:15px;\nmargin-bottom:5px;\nfont-weight:bold;", Dyn::kNone},  // 119
    {".vx-ftnote", "Footnote", "font-size:90%;", Dyn::kNone},  // 120
    {".vx-fttxt", "Text", "margin:1ex;", Dyn::kNone},  // 121
    {".vx-ftcmt", "Comments", "margin:0px;\nfont-size:90%;", Dyn::kNone},  // 122
    {".vx-ftdtl", "Details", "margin:0px;\nfont-size:90%;", Dyn::kNone},  // 123
    {"Interpage navigation links", nullptr, nullptr, Dyn::kSection},
    {".vx-lnksur", "Surname page", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 124
    {".vx-lnkidx", "Index page", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 125
    {".vx-lnkbib", "Bibliography page", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 126
    {".vx-lnkrep", "Repository page", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 127
    {".vx-lnkfam", "Family page", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 128
    {".vx-lnkmed", "Media Gallery", "text-align:center;\nmargin-top:10px;\nmargin-bottom:5px;\nfont-size:125%;", Dyn::kNone},  // 129
    {".vx-page", "", "font-size:90%;", Dyn::kNone},  // 130
    {".vx-ver", "Version", "text-align:center;\nfont-size:80%;\nmargin:1ex auto;", Dyn::kNone},  // 131
    {".vx-vx", "", "font-weight:bold;\nfont-style:italic;\nfont-family:Arial,Helvetica,sans-serif;", Dyn::kNone},  // 132
    {".vx-rev", "Revised", "font-size:80%;\nmargin-bottom:0px;", Dyn::kNone},  // 133
    {".vx-copy", "Copyright", "font-size:90%;\nmargin-top:0px;", Dyn::kNone},  // 134
    {".vx-fntund", "Font Underline", "text-decoration:underline;", Dyn::kNone},  // 135
    {".vx-fntsc", "Font Small-caps", "font-variant:small-caps;", Dyn::kNone},  // 136
};
// clang-format on

}  // namespace

std::span<const StyleRule> StyleRules() { return kRules; }

}  // namespace vellix::site
