// filled in with the codes
