// A synthetic GEDCOM file for the benchmarks: N individuals in families of
// three (husband, wife, child), with notes, sources, repositories, CONC/CONT
// lines and some non-ASCII (UTF-8) names. Deterministic for a given N.
#pragma once

#include <cstdio>
#include <string>

namespace vellix::bench {

inline std::string MakeGedcom(int individuals) {
  static const char* const kGiven[] = {"John",      "Mary",       "Anna",
                                       "Paul",      "Zo\xC3\xAB", "Ji\xC5\x99\xC3\xAD",
                                       "Elizabeth", "Thomas"};
  static const char* const kSurnames[] = {"Smith",
                                          "Jones",
                                          "M\xC3\xBCller",
                                          "Nu\xC3\xB1"
                                          "ez",
                                          "Brown",
                                          "\xC3\x98"
                                          "deg\xC3\xA5rd",
                                          "Dvo\xC5\x99\xC3\xA1k",
                                          "Taylor",
                                          "\xC5\x81\xC3\xB3"
                                          "d\xC5\xBA",
                                          "Wilson"};
  std::string out;
  out.reserve(static_cast<size_t>(individuals) * 330 + 4096);
  out +=
      "0 HEAD\r\n1 SOUR VELLIX-BENCH\r\n2 VERS 1.0\r\n1 GEDC\r\n2 VERS 5.5.1\r\n"
      "2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n";
  char line[512];
  auto add = [&](int n) { out.append(line, static_cast<size_t>(n)); };
  for (int i = 1; i <= individuals; ++i) {
    const int family = (i - 1) / 3 + 1;
    const int role = (i - 1) % 3;  // 0 husband, 1 wife, 2 child
    const char* given = kGiven[i % 8];
    const char* surname = kSurnames[family % 10];
    add(std::snprintf(line, sizeof line,
                      "0 @I%d@ INDI\r\n1 NAME %s /%s/\r\n2 GIVN %s\r\n"
                      "2 SURN %s\r\n1 SEX %c\r\n1 BIRT\r\n2 DATE %d %s %d\r\n"
                      "2 PLAC Springfield, Some County, State\r\n",
                      i, given, surname, given, surname, role == 1 ? 'F' : 'M',
                      1 + i % 28, (i % 2) ? "MAR" : "OCT", 1800 + i % 200));
    if (i % 4 == 0) {
      add(std::snprintf(line, sizeof line,
                        "1 DEAT\r\n2 DATE %d\r\n2 PLAC Shelbyville\r\n", 1850 + i % 150));
    }
    add(std::snprintf(line, sizeof line, "1 SOUR @S%d@\r\n2 PAGE p. %d\r\n", 1 + i % 100,
                      i % 500));
    if (i % 5 == 0) {
      add(std::snprintf(line, sizeof line,
                        "1 NOTE Worked as a blacksmith in the village for many years and "
                        "was known\r\n2 CONC  to everybody in the parish.\r\n2 CONT "
                        "Second paragraph of the note.\r\n"));
    }
    if (i % 10 == 0) {
      add(std::snprintf(line, sizeof line, "1 NOTE @N%d@\r\n", i));
    }
    add(std::snprintf(line, sizeof line,
                      role == 2 ? "1 FAMC @F%d@\r\n" : "1 FAMS @F%d@\r\n", family));
  }
  for (int f = 1; f <= (individuals + 2) / 3; ++f) {
    const int base = (f - 1) * 3;
    add(std::snprintf(line, sizeof line, "0 @F%d@ FAM\r\n", f));
    if (base + 1 <= individuals)
      add(std::snprintf(line, sizeof line, "1 HUSB @I%d@\r\n", base + 1));
    if (base + 2 <= individuals)
      add(std::snprintf(line, sizeof line, "1 WIFE @I%d@\r\n", base + 2));
    if (base + 3 <= individuals)
      add(std::snprintf(line, sizeof line, "1 CHIL @I%d@\r\n", base + 3));
    add(std::snprintf(line, sizeof line, "1 MARR\r\n2 DATE %d\r\n2 PLAC Springfield\r\n",
                      1820 + f % 180));
  }
  for (int i = 10; i <= individuals; i += 10) {
    add(std::snprintf(line, sizeof line,
                      "0 @N%d@ NOTE A shared note about individual %d,\r\n"
                      "1 CONC  written over two lines.\r\n",
                      i, i));
  }
  for (int s = 1; s <= 100; ++s) {
    add(std::snprintf(line, sizeof line,
                      "0 @S%d@ SOUR\r\n1 TITL Parish register volume %d\r\n"
                      "1 AUTH The parish clerk\r\n1 REPO @R%d@\r\n",
                      s, s, 1 + s % 5));
  }
  for (int r = 1; r <= 5; ++r) {
    add(std::snprintf(line, sizeof line, "0 @R%d@ REPO\r\n1 NAME County archive %d\r\n",
                      r, r));
  }
  out += "0 TRLR\r\n";
  return out;
}

/// A file of the density of real exports (about 640 bytes per individual):
/// each person has a birth, christening, death or residence with places and
/// citations (page and quality), an occupation, a note over several lines,
/// a unique identifier and a change date; families carry a marriage with its
/// citation; one source per 50 people, with its repository. Families of
/// four (husband, wife, two children). Deterministic for a given N.
inline std::string MakeRealisticGedcom(int individuals) {
  static const char* const kGiven[] = {
      "John",      "Mary",   "Anna",     "Paul",   "Zo\xC3\xAB", "Ji\xC5\x99\xC3\xAD",
      "Elizabeth", "Thomas", "Margaret", "William"};
  static const char* const kSurnames[] = {"Smith",  "Jones",    "M\xC3\xBCller",
                                          "Brown",  "Taylor",   "Dvo\xC5\x99\xC3\xA1k",
                                          "Wilson", "Johnson",  "\xC3\x98stergaard",
                                          "Martin", "Anderson", "Thompson"};
  static const char* const kPlaces[] = {
      "Springfield, Sangamon County, Illinois, USA", "Leeds, Yorkshire, England",
      "Lyon, Rh\xC3\xB4ne, France", "Brno, Moravia, Czech Republic",
      "Aarhus, Midtjylland, Denmark"};
  static const char* const kJobs[] = {"Farmer", "Blacksmith", "Schoolteacher",
                                      "Weaver", "Carpenter",  "Merchant"};
  const int sources = individuals / 50 + 1;
  std::string out;
  out.reserve(static_cast<size_t>(individuals) * 700 + 4096);
  out +=
      "0 HEAD\r\n1 SOUR VELLIX-BENCH\r\n2 VERS 1.0\r\n1 GEDC\r\n2 VERS 5.5.1\r\n"
      "2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n";
  char line[1024];
  auto add = [&](int n) { out.append(line, static_cast<size_t>(n)); };
  for (int i = 1; i <= individuals; ++i) {
    const int family = (i - 1) / 4 + 1;
    const int role = (i - 1) % 4;  // 0 husband, 1 wife, 2 and 3 children
    const char* given = kGiven[i % 10];
    const char* surname = kSurnames[(role == 1 ? family + 5 : family) % 12];
    const int year = 1750 + (family * 7) % 200 + (role >= 2 ? 25 : 0);
    add(std::snprintf(
        line, sizeof line,
        "0 @I%d@ INDI\r\n1 NAME %s /%s/\r\n2 GIVN %s\r\n2 SURN %s\r\n"
        "1 SEX %c\r\n1 BIRT\r\n2 DATE %d %s %d\r\n2 PLAC %s\r\n"
        "2 SOUR @S%d@\r\n3 PAGE Baptisms %d, folio %d\r\n3 QUAY 2\r\n",
        i, given, surname, given, surname, role == 1 || role == 3 ? 'F' : 'M', 1 + i % 28,
        (i % 2) ? "MAR" : "OCT", year, kPlaces[i % 5], 1 + i % sources, year, i % 400));
    if (i % 3 == 0) {
      add(std::snprintf(line, sizeof line, "1 CHR\r\n2 DATE %d %s %d\r\n2 PLAC %s\r\n",
                        2 + i % 27, (i % 2) ? "MAR" : "OCT", year, kPlaces[(i + 1) % 5]));
    }
    if (i % 4 != 0) {
      add(std::snprintf(line, sizeof line,
                        "1 DEAT\r\n2 DATE ABT %d\r\n2 PLAC %s\r\n2 SOUR @S%d@\r\n"
                        "3 PAGE Burials, entry %d\r\n",
                        year + 40 + i % 40, kPlaces[(i + 2) % 5], 1 + (i * 7) % sources,
                        i % 900));
    } else {
      add(std::snprintf(line, sizeof line,
                        "1 RESI\r\n2 DATE %d\r\n2 ADDR %d Mill Lane\r\n", year + 30,
                        1 + i % 90));
    }
    add(std::snprintf(
        line, sizeof line,
        "1 OCCU %s\r\n1 NOTE %s was recorded in the parish registers and in the "
        "census\r\n2 CONC  returns of the county; the family lived there for "
        "three generations.\r\n2 CONT The farm passed to the eldest son.\r\n",
        kJobs[i % 6], given));
    if (role >= 2) {
      add(std::snprintf(line, sizeof line, "1 FAMC @F%d@\r\n", family));
    } else {
      add(std::snprintf(line, sizeof line, "1 FAMS @F%d@\r\n", family));
    }
    add(std::snprintf(line, sizeof line,
                      "1 _UID 6F1C2A%08X4E7B9D3A%012X\r\n1 CHAN\r\n2 DATE %d %s 2019\r\n",
                      static_cast<unsigned>(i), static_cast<unsigned>(i * 2654435761u),
                      1 + i % 28, (i % 2) ? "JUN" : "NOV"));
  }
  for (int f = 1; f <= (individuals + 3) / 4; ++f) {
    const int base = (f - 1) * 4;
    add(std::snprintf(line, sizeof line, "0 @F%d@ FAM\r\n", f));
    if (base + 1 <= individuals)
      add(std::snprintf(line, sizeof line, "1 HUSB @I%d@\r\n", base + 1));
    if (base + 2 <= individuals)
      add(std::snprintf(line, sizeof line, "1 WIFE @I%d@\r\n", base + 2));
    for (int c = 3; c <= 4; ++c) {
      if (base + c <= individuals)
        add(std::snprintf(line, sizeof line, "1 CHIL @I%d@\r\n", base + c));
    }
    add(std::snprintf(line, sizeof line,
                      "1 MARR\r\n2 DATE %d\r\n2 PLAC %s\r\n2 SOUR @S%d@\r\n"
                      "3 PAGE Marriages %d\r\n",
                      1770 + (f * 7) % 200, kPlaces[f % 5], 1 + f % sources, f % 300));
  }
  for (int s = 1; s <= sources; ++s) {
    add(std::snprintf(
        line, sizeof line,
        "0 @S%d@ SOUR\r\n1 TITL Parish registers of %s, volume %d\r\n"
        "1 AUTH Church of the parish\r\n1 PUBL Microfilm %d\r\n1 REPO @R%d@\r\n",
        s, kPlaces[s % 5], s, 100000 + s, 1 + s % 20));
  }
  for (int r = 1; r <= 20; ++r) {
    add(std::snprintf(
        line, sizeof line,
        "0 @R%d@ REPO\r\n1 NAME Regional archive %d\r\n1 ADDR Archive Road %d\r\n", r, r,
        r));
  }
  out += "0 TRLR\r\n";
  return out;
}

/// A file in which one man (@I1@) married `spouses` wives, one family each
/// with one child: the case whose Spouses lines grow with the square of the
/// number of spouses when each family page rebuilds the list.
inline std::string MakeManySpousesGedcom(int spouses) {
  std::string out =
      "0 HEAD\r\n1 SOUR VELLIX-BENCH\r\n1 GEDC\r\n2 VERS 5.5.1\r\n"
      "2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n"
      "0 @I1@ INDI\r\n1 NAME Adam /Many/\r\n1 SEX M\r\n";
  char line[256];
  auto add = [&](int n) { out.append(line, static_cast<size_t>(n)); };
  for (int f = 1; f <= spouses; ++f) {
    add(std::snprintf(line, sizeof line, "1 FAMS @F%d@\r\n", f));
  }
  for (int f = 1; f <= spouses; ++f) {
    add(std::snprintf(line, sizeof line,
                      "0 @W%d@ INDI\r\n1 NAME Wife%d /Other/\r\n1 SEX F\r\n"
                      "1 FAMS @F%d@\r\n0 @C%d@ INDI\r\n1 NAME Child%d /Many/\r\n"
                      "1 FAMC @F%d@\r\n0 @F%d@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @W%d@\r\n"
                      "1 CHIL @C%d@\r\n",
                      f, f, f, f, f, f, f, f, f));
  }
  out += "0 TRLR\r\n";
  return out;
}

}  // namespace vellix::bench
