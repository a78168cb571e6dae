#pragma once
// The known TLS server certificates (TFTLS_Server_Known_Cert) as a rule table:
// TLS_Known_Cert.xml, ten rows of an enable box, the certificate as free text (several lines as
// pasted) and a description. The file holds certificates: it is readable by its owner only.

#include "core/tables/TableDesc.h"

namespace tables::iec {

const TDialogDesc& TLS_Server_Known_Cert_Desc();

}  // namespace tables::iec
