#include "server_list.h"

namespace horalink {

const char* const kServers[kServerCount] = {
    "time.nist.gov",
    "time-a-g.nist.gov",
    "time-b-g.nist.gov",
    "time-c-g.nist.gov",
    "time-d-g.nist.gov",
    "time-e-g.nist.gov",
    "time-a-wwv.nist.gov",
    "time-b-wwv.nist.gov",
    "time-c-wwv.nist.gov",
    "time-d-wwv.nist.gov",
    "time-e-wwv.nist.gov",
    "time-a-b.nist.gov",
    "time-b-b.nist.gov",
    "time-c-b.nist.gov",
    "time-d-b.nist.gov",
    "time-e-b.nist.gov",
    "utcnist.colorado.edu",
    "utcnist2.colorado.edu",
    "time-a.timefreq.bldrdoc.gov",
    "time-b.timefreq.bldrdoc.gov",
    "time-c.timefreq.bldrdoc.gov",
    "time-nw.nist.gov",
    "wwv.nist.gov",
    "nist1-lnk.binary.net",
    "nist-time-server.eoni.com",
    "wolfnisttime.com",
    "pool.ntp.org",
    "asia.pool.ntp.org",
    "europe.pool.ntp.org",
    "north-america.pool.ntp.org",
    "oceania.pool.ntp.org",
    "south-america.pool.ntp.org",
};

}  // namespace horalink
