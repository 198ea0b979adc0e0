// filled in with the label file format
