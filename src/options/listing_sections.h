// The sections of the option set summary listing, one per options tab and
// one for the application settings.
#pragma once

#include "options/listing_writer.h"
#include "options/option_listing.h"
#include "options/options.h"

namespace vellix::options {

void WriteFilesSection(ListingWriter& w, const COptions& o, const ListingInputs& in);
void WriteAttributesSection(ListingWriter& w, const COptions& o);
void WriteHeadersSection(ListingWriter& w, const COptions& o);
void WriteCustomSection(ListingWriter& w, const COptions& o);
void WriteFeaturesSection(ListingWriter& w, const COptions& o);
void WriteFactsSection(ListingWriter& w, COptions& o);
void WriteLabelsSection(ListingWriter& w, const COptions& o);
void WriteProgramSection(ListingWriter& w, const COptions& o, const ListingInputs& in);
void WriteMaintenanceSection(ListingWriter& w, const COptions& o,
                             const ListingInputs& in);

}  // namespace vellix::options
